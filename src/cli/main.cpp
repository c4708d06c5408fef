// orvmove-cli: checks and converts moves and shows what the editor reads from a report.
#include "core/cli/cli_app.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return orv::cli::RunCli(args, {std::cin, std::cout, std::cerr});
}
