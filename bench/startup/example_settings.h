#pragma once
// The probes start the window as at a later start: a settings file in the program folder
// names the example report and the tribe, so no dialog opens.

#include <QFile>
#include <QString>

namespace orv::bench {

// Writes the settings file into folder; false when it cannot be written.
inline bool WriteExampleSettings(const QString& folder) {
    QFile settings(folder + QStringLiteral("/OrvMove.ini"));
    return settings.open(QIODevice::WriteOnly) &&
           settings.write(QByteArray(ORV_EXAMPLES_DIR "/turn12.txt\r\nVikings\r\n")) > 0;
}

} // namespace orv::bench
