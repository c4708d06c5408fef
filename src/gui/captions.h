#pragma once
// The captions of the windows and file dialogs the main window opens, and the filter list
// of its file dialogs.

#include "core/move/move_list.h"
#include "gui/text_codec.h"

#include <QString>
#include <string_view>

namespace orv::gui {

inline const QString SelectMoveFileTitle = QStringLiteral("Select move file");
inline const QString SelectReportTitle = QStringLiteral("Select report to load");
inline const QString SaveMoveFileTitle = QStringLiteral("Save move file as");
inline const QString CheckResultCaption = QStringLiteral("Check move result");
inline const QString GlobalOptionsCaption = QStringLiteral("Global options");

// The filters of the report and move file dialogs, as "caption|pattern|...".
inline const QString FileFilter =
    QStringLiteral("All files (*.*)|*.*|Command files (*.cmd)|*.cmd|Move files (*.mov)|*.mov|"
                   "Text files (*.txt)|*.txt");

// The caption of "Show Map": "Map (" + the report's file name without its folder + ")".
inline QString MapCaption(std::string_view reportFileName) {
    return QStringLiteral("Map (") + FromPath(move::FileNameOnly(reportFileName)) +
           QStringLiteral(")");
}

} // namespace orv::gui
