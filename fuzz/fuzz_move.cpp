// Feeds any bytes as a move file and as clipboard text. A refused
// load must leave the open move exactly as it was (only the folder follows a file); a
// loaded move must come back unchanged from its saved file and from its clipboard text.
#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using orv::move::DisplayForm;
using orv::move::MoveList;

[[noreturn]] void Fail(const char* what, const MoveList& move) {
    std::fprintf(stderr, "%s; the move now reads:\n%s", what, move.RawText().c_str());
    std::abort();
}

const fs::path& Scratch() {
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() / ("orv_fuzz_move_" + std::to_string(::getpid()));
        fs::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(Scratch(), ec);
        });
        return p;
    }();
    return folder;
}

// The move as it stands before a load: shown in natural form (a comparison of its lines
// then compares the sentences, one of its raw text the raw lines), named, with one order
// and one message.
MoveList OpenMove() {
    MoveList move;
    move.form = DisplayForm::Natural;
    orv::move::LoadMoveFromText(move, "BEGIN\r\nALL 3 2\r\nEND\r\nhi\r\n");
    move.fileName = (Scratch() / "open.cmd").string();
    move.folder = "/elsewhere";
    return move;
}

// Orders and messages equal, whatever the name.
bool SameMove(const MoveList& a, const MoveList& b) {
    return a.RawText() == b.RawText() && a.Lines() == b.Lines();
}

// move was just loaded.
void CheckLoaded(MoveList move) {
    const std::string path = (Scratch() / "saved.cmd").string();
    if (!orv::move::SaveMoveAs(move, path).ok || move.fileName != path) {
        Fail("saving failed", move);
    }
    std::string bytes;
    if (orv::report::ReadFileBytes(path, bytes) != orv::report::FileStatus::Ok ||
        bytes != orv::move::MoveClipboardText(move)) {
        Fail("the saved file differs from the clipboard text", move);
    }
    MoveList fromFile;
    fromFile.form = move.form;
    if (!orv::move::LoadMove(fromFile, path).Ok() || !SameMove(fromFile, move)) {
        Fail("the saved move reads back differently", fromFile);
    }
    MoveList fromClipboard;
    fromClipboard.form = move.form;
    if (!orv::move::LoadMoveFromText(fromClipboard, bytes).Ok() || !SameMove(fromClipboard, move)) {
        Fail("the clipboard text reads back differently", fromClipboard);
    }
}

void Load(bool fromFile, const std::string& path, std::string_view text) {
    MoveList move = OpenMove();
    const MoveList before = move;
    const orv::move::MoveResult result =
        fromFile ? orv::move::LoadMove(move, path) : orv::move::LoadMoveFromText(move, text);
    const fs::path folder = fromFile ? Scratch() : before.folder;
    if (move.folder != folder || move.form != DisplayForm::Natural) {
        Fail("the folder or form is wrong after a load", move);
    }
    if (!result.Ok()) {
        if (!SameMove(move, before) || move.fileName != before.fileName) {
            Fail("a refused load changed the open move", move);
        }
        return;
    }
    // A file gives its absolute name; pasted text is nobody's file.
    const fs::path read(path);
    const fs::path named =
        fromFile ? fs::weakly_canonical(read.parent_path()) / read.filename() : fs::path();
    if (move.fileName != named) {
        Fail("the move has the wrong name after a load", move);
    }
    CheckLoaded(move);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string path = (Scratch() / "in.cmd").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    Load(true, path, text);
    Load(false, path, text);
    return 0;
}
