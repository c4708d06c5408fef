// orvmove-cli: checks and converts moves and shows what the editor reads from a report.
#include "core/cli/cli_app.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // The streams' own buffers over the descriptors: a failed read of standard input then
    // marks the stream bad instead of looking like its end, and a failed write is seen.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    int status = orv::cli::RunCli(args, {std::cin, std::cout, std::cerr});
    errno = 0;
    std::cout.flush();
    if (!std::cout) {
        const int error = errno;
        std::cerr << "orvmove-cli: standard output could not be written";
        if (error != 0) {
            std::cerr << ": " << std::strerror(error);
        }
        std::cerr << '\n';
        status = orv::cli::ExitFailure;
    }
    return status;
}
