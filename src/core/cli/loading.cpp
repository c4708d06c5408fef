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

} // namespace orv::cli
