// Feeds any bytes as a move file and as clipboard text, in both display forms, then
// rebuilds the move to the other form and back, saves it and reads it back. A refused load
// must leave the open move as it was; a loaded move must keep its frame, convert both ways
// and, once in the wording the editor writes, come back unchanged from every rebuild, from
// its file and from its clipboard text.
#include "core/move/move_file.h"
#include "core/report/text_file.h"
#include "written_lines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using orv::move::DisplayForm;
using orv::move::LoadStatus;
using orv::move::MoveList;

[[noreturn]] void Fail(const char* what, const MoveList& move) {
    std::fprintf(stderr, "%s; the move now reads:\n", what);
    for (const std::string& line : move.lines) {
        std::fprintf(stderr, "  [%s]\n", line.c_str());
    }
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

DisplayForm Other(DisplayForm form) {
    return form == DisplayForm::Natural ? DisplayForm::Raw : DisplayForm::Natural;
}

// The move as it stands before a load: named, with one order and one message.
MoveList OpenMove(DisplayForm form) {
    MoveList move;
    move.form = form;
    move.lines = {"BEGIN",
                  form == DisplayForm::Raw ? "ALL 3 2" : "Alter alliance status to player 3 to 2",
                  "END"};
    move.fileName = (Scratch() / "open.cmd").string();
    move.folder = "/elsewhere";
    return move;
}

// False when a raw order line of the move is one of the shapes known to change wording.
bool OrdersKeepTheirWording(MoveList move) {
    if (move.form == DisplayForm::Natural && !move.Rebuild(DisplayForm::Raw).empty()) {
        return false;
    }
    const std::size_t end = move.EndLineIndex();
    for (std::size_t i = 0; i < end; ++i) {
        if (!orv::fuzz::KeepsItsWording(move.lines[i])) {
            return false;
        }
    }
    return true;
}

void RebuildBothWays(MoveList& move) {
    const DisplayForm form = move.form;
    if (!move.Rebuild(Other(form)).empty() || !move.Rebuild(form).empty()) {
        Fail("a loaded move does not rebuild", move);
    }
}

// move was just loaded.
void CheckLoaded(MoveList move) {
    if (std::find(move.lines.begin(), move.lines.end(), "END") == move.lines.end()) {
        Fail("a loaded move has no END", move);
    }
    // The first rebuild may still change lines (an early "end" line, say); after it the
    // move is in the wording the editor writes and must stay so.
    RebuildBothWays(move);
    if (!OrdersKeepTheirWording(move)) {
        return;
    }
    const std::vector<std::string> settled = move.lines;
    RebuildBothWays(move);
    if (move.lines != settled) {
        Fail("a second rebuild changed the move", move);
    }

    const std::string path = (Scratch() / "saved.cmd").string();
    if (!orv::move::SaveMoveAs(move, path).ok || move.lines != settled) {
        Fail("saving failed or changed the move", move);
    }
    const orv::move::ClipboardText clip = orv::move::MoveClipboardText(move);
    std::string bytes;
    if (!orv::report::ReadFileBytes(path, bytes) || bytes != clip.text || move.lines != settled) {
        Fail("the saved file differs from the clipboard text", move);
    }
    // A file is read from its BEGIN line on; clipboard text holds no such search.
    MoveList fromFile;
    fromFile.form = move.form;
    if (settled.front() == "BEGIN" &&
        (!orv::move::LoadMove(fromFile, path).Ok() || fromFile.lines != settled)) {
        Fail("the saved move reads back differently", fromFile);
    }
    MoveList fromClipboard;
    fromClipboard.form = move.form;
    if (!orv::move::LoadMoveFromText(fromClipboard, clip.text).Ok() ||
        fromClipboard.lines != settled) {
        Fail("the clipboard text reads back differently", fromClipboard);
    }
}

void LoadFromFile(const std::string& path, DisplayForm form) {
    MoveList move = OpenMove(form);
    const MoveList before = move;
    const orv::move::MoveResult result = orv::move::LoadMove(move, path);
    if (move.folder != Scratch().string() || move.form != form) {
        Fail("the folder or form is wrong after a load", move);
    }
    switch (result.status) {
    case LoadStatus::Loaded:
        if (move.fileName != path) {
            Fail("a loaded file is not the move file", move);
        }
        CheckLoaded(move);
        break;
    case LoadStatus::Unrecognized:
        if (move.lines != std::vector<std::string>{"BEGIN", "END"} || !move.fileName.empty()) {
            Fail("a refused line did not leave a new unnamed move", move);
        }
        break;
    case LoadStatus::NotFound:
    case LoadStatus::ReadError:
    case LoadStatus::NoBegin:
        if (move.lines != before.lines || move.fileName != before.fileName) {
            Fail("a failed load changed the open move", move);
        }
        break;
    }
}

void LoadFromText(std::string_view text, DisplayForm form) {
    MoveList move = OpenMove(form);
    const MoveList before = move;
    const orv::move::MoveResult result = orv::move::LoadMoveFromText(move, text);
    if (move.folder != before.folder || move.form != form) {
        Fail("the folder or form is wrong after reading the clipboard", move);
    }
    if (result.Ok()) {
        if (move.fileName != before.fileName) {
            Fail("reading the clipboard renamed the move", move);
        }
        CheckLoaded(move);
    } else if (result.status != LoadStatus::Unrecognized || !move.fileName.empty() ||
               move.lines != std::vector<std::string>{"BEGIN", "END"}) {
        Fail("a refused clipboard text did not leave a new unnamed move", move);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string path = (Scratch() / "in.cmd").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    for (const DisplayForm form : {DisplayForm::Natural, DisplayForm::Raw}) {
        LoadFromFile(path, form);
        LoadFromText(text, form);
    }
    return 0;
}
