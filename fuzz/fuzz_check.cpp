// Feeds any bytes as a move to the move check and the current goods, in both display
// forms, against the example report (every kind of province, own, foreign and isolated).
// The check only reads the game and the move (the compiler holds it to that); what it
// finds must not depend on the form the move is shown in, and the goods it ends with are
// those the goods display shows for the last line.
#include "example_game.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<orv::report::Game> example = orv::fuzzing::ExampleGame();
    orv::fuzzing::CheckAsMove(*example,
                              std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
