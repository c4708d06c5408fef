#include "core/cli/loading.h"

#include "core/report/report_reader.h"

#include <ostream>

namespace orv::cli {

bool LoadReportForCli(const std::string& fileName, Streams io, report::Game& game, int& code) {
    const report::ReportLoadResult result = report::LoadReport(game, fileName);
    if (!result.message.Empty()) {
        WriteLines(io.err, result.message.Bytes());
    }
    if (result.status == report::ReportLoadStatus::FileNotFound ||
        result.status == report::ReportLoadStatus::ReadError ||
        result.status == report::ReportLoadStatus::NoReport) {
        code = ExitFailure;
        return false;
    }
    code = ExitDone;
    return true;
}

move::MoveResult OpenMove(const std::string& source, move::DisplayForm form, Streams io,
                          move::MoveList& moveList) {
    moveList.form = form;
    if (source != "-") {
        return move::LoadMove(moveList, source);
    }
    std::string text;
    const std::string unread = ReadStandardInput(io, text);
    if (!unread.empty()) {
        return {move::LoadStatus::ReadError, move::MessageKind::Error, unread};
    }
    return move::LoadMoveFromText(moveList, text);
}

void TellMoveFailure(std::ostream& err, const std::string& source,
                     const move::MoveResult& failure) {
    err << source << ": ";
    WriteLines(err, failure.message.Bytes());
}

} // namespace orv::cli
