#include "core/cli/cli_app.h"

namespace orv::cli {

int RunGoods(const std::vector<std::string>& /*args*/, Streams io) {
    return Usage(io);
}

int RunCheck(const std::vector<std::string>& /*args*/, Streams io) {
    return Usage(io);
}

} // namespace orv::cli
