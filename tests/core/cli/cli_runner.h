#pragma once
// Runs the command-line application in-process for tests and collects what it wrote.

#include "core/cli/cli_app.h"

#include <sstream>
#include <string>
#include <vector>

namespace orv::cli::testing {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun RunWith(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, {in, out, err});
    return {code, out.str(), err.str()};
}

} // namespace orv::cli::testing
