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

// The filters of the move and report file dialogs, the first chosen at the start. "*"
// shows files without a dot too.
inline const QString MoveFileFilter =
    QStringLiteral("Move files (*.cmd *.mov);;Command files (*.cmd);;Text files (*.txt);;"
                   "All files (*)");
inline const QString ReportFileFilter =
    QStringLiteral("Turn reports (*.txt *.eml *.mbox);;All files (*)");

// The caption of "Show Map": "Map (" + the report's file name without its folder + ")".
inline QString MapCaption(std::string_view reportFileName) {
    return QStringLiteral("Map (") + FromPath(move::FileNameOnly(reportFileName)) +
           QStringLiteral(")");
}

} // namespace orv::gui
