#include "../report/temp_folder.h"
#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace orv::move {
namespace {

namespace fs = std::filesystem;

using MoveFile = report::fixtures::TempFolder;

// Loading and saving unchanged, in either display form, gives the game master the same
// orders: what the file holds after a load and a save, or the message when the load is
// refused.
TEST_F(MoveFile, LoadAndSaveKeepEveryOrder) {
    const std::string unrecognized = "Error in file: unrecognized command in line 3\r\n";
    const struct {
        const char* name;
        std::string bytes;
        std::string saved; // or the refusal; empty: the bytes as they were
    } cases[] = {
        {"lines before BEGIN are skipped",
         "From: gm\r\n\r\nbegin\r\nLAND 12 7 FO 10 N E\r\nEND\r\nGreetings\r\n",
         "BEGIN\r\nLAND 12 7 FO 10 N E\r\nEND\r\nGreetings\r\n"},
        {"a line like END is no end line",
         "BEGIN\r\nPLA 3 3 FO\r\nend of my orders\r\nLAND 9 9 FO 2 E\r\nEND\r\n",
         unrecognized + "end of my orders"},
        {"END with blanks and any case ends the orders",
         "BEGIN\r\nALL 1 2\r\n End \r\nthe best\r\n", "BEGIN\r\nALL 1 2\r\nEND\r\nthe best\r\n"},
        {"a message that reads END stays a message",
         "BEGIN\r\nESP 1 2\r\nEND\r\nhi\r\nEND\r\nALL 1 1\r\n", ""},
        {"no END: one is added", "BEGIN\r\nALL 3 2\r\nESP 1 2",
         "BEGIN\r\nALL 3 2\r\nESP 1 2\r\nEND\r\n"},
        {"orders the sentence cannot hold stay as written",
         "BEGIN\r\nLAND 3 3 FO 1 BO 2 HO 3 GE 1 E\r\nCEDE 2 5 Black Company\r\n"
         "ALL Sons of Odin 1\r\nDEF 3 3 X 3 2 T\r\nLAND 3 3 FO 2147483648 E\r\n"
         "PLA 3 3 FO 4 4 FO 5 5 FO 6 6 FO\r\nLAND 3 3 FO 1 Nowhere\r\nNAME Eric the "
         "Red/Bold\r\nEND\r\n",
         ""},
        {"quoted words are kept whole",
         "BEGIN\r\nCEDE 2 5 \"Black Company\"\r\nESP 1 2 \"3 4 5 6\r\nNAME 5 3 The \"Old\" "
         "Keep\r\nLAND 3 3 FO 1 \"N E\"\r\nEND\r\n",
         ""},
        {"all Horsemen without a tactic", "BEGIN\r\nLAND 3 3 HO AT E\r\nEND\r\n", ""},
        {"canonical codes and blanks, LF ends",
         "BEGIN\nland  12 7 fo 10 north e\npla 3 3 ca\nEND\n",
         "BEGIN\r\nLAND 12 7 FO 10 N E\r\nPLA 3 3 CA \r\nEND\r\n"},
        {"CR CR LF is one line end", "BEGIN\r\r\nALL 3 2\r\r\nEND\r\r\nhi\r\r\n",
         "BEGIN\r\nALL 3 2\r\nEND\r\nhi\r\n"},
        {"CR alone ends a line; a second BEGIN is kept", "x\rBEGIN\rbegin \rEND\r",
         "BEGIN\r\nBEGIN\r\nEND\r\n"},
    };
    for (const auto& c : cases) {
        for (const DisplayForm form : {DisplayForm::Natural, DisplayForm::Raw}) {
            MoveList move;
            move.form = form;
            const MoveResult result = LoadMove(move, Write("in.cmd", c.bytes));
            std::string saved = result.message.Bytes();
            if (result.Ok() && SaveMoveAs(move, (dir / "out.cmd").string()).ok) {
                report::ReadFileBytes(dir / "out.cmd", saved);
            }
            EXPECT_EQ(saved, c.saved.empty() ? c.bytes : c.saved) << c.name;
            EXPECT_EQ(move.form, form);
        }
    }
}

// A refused load leaves the open move as it was; only the folder follows the chosen file.
TEST_F(MoveFile, RefusedLoadKeepsTheOpenMove) {
    const std::string noBegin = "Error in file: no BEGIN found!";
    const std::string huge = (dir / "huge.cmd").string();
    const struct {
        std::string bytes; // empty: the file does not exist
        LoadStatus status;
        std::string message; // empty: the message of a missing file
    } cases[] = {
        {"", LoadStatus::NotFound, ""},
        {"LAND 1 2 AT N\r\n", LoadStatus::NoBegin, noBegin},
        {"header\r\nBEGIN\r\n", LoadStatus::NoBegin, noBegin},
        {"From: gm\r\n\r\nBEGIN\r\nALL 1 2\r\n" + std::string(300, 'x') + "\r\n",
         LoadStatus::Unrecognized,
         "Error in file: unrecognized command in line 5\r\n" + std::string(99, 'x') + "\x85" +
             std::string(100, 'x')},
        {"BEGIN\r\n", LoadStatus::ReadError,
         "File " + huge + " is larger than 64 MiB and was not read!"},
    };
    for (const auto& c : cases) {
        MoveList move;
        ASSERT_TRUE(LoadMove(move, Write("open.cmd", "BEGIN\r\nALL 3 2\r\nEND\r\n")).Ok());
        MoveList before = move;
        std::string path = (dir / "no" / "x").string();
        if (c.status == LoadStatus::ReadError) {
            path = Write("huge.cmd", c.bytes);
            fs::resize_file(path, report::MaxTextFileSize + 1);
        } else if (!c.bytes.empty()) {
            path = Write("bad.cmd", c.bytes);
        }
        const MoveResult r = LoadMove(move, path);
        EXPECT_EQ(r.status, c.status) << path;
        EXPECT_EQ(r.message.Bytes(),
                  c.message.empty() ? "File " + path + " not found!" : c.message);
        before.folder = FolderOf(path);
        EXPECT_EQ(move, before);
    }
}

// Pasted orders keep their first order: without a BEGIN line one is put in front. The move
// read has no file name, so that a save cannot put a friend's orders over one's own file.
TEST_F(MoveFile, ClipboardTextWithoutBegin) {
    const std::pair<const char*, const char*> cases[] = {
        {"LAND 9 9 FO 1 E\r\nPLA 3 3 FO\r\nEND",
         "BEGIN\r\nLAND 9 9 FO 1 E\r\nPLA 3 3 FO \r\nEND\r\n"},
        {"", "BEGIN\r\nEND\r\n"},
    };
    for (const auto& [text, raw] : cases) {
        MoveList move;
        move.fileName = "/keep/this.cmd";
        ASSERT_TRUE(LoadMoveFromText(move, text).Ok()) << text;
        EXPECT_EQ(MoveClipboardText(move), raw) << text;
        EXPECT_TRUE(move.fileName.empty());
    }
    // A refused line is counted in the text as pasted, the first line being 1.
    for (const auto& [text, line] : {std::pair{"PLA 3 3 FO\nhello", 2}, {"x\rBEGIN\rhello", 3}}) {
        MoveList move;
        const MoveResult refused = LoadMoveFromText(move, text);
        EXPECT_EQ(refused.message.Bytes(), "Error in file: unrecognized command in line " +
                                               std::to_string(line) + "\r\nhello");
        EXPECT_EQ(refused.line, static_cast<std::size_t>(line));
    }
}

// Of the move files in the folder the newest is loaded; an empty folder gives a warning.
TEST_F(MoveFile, MostRecentFileOfTheFolderIsLoaded) {
    MoveList move;
    move.folder = dir.string();
    const MoveResult none = LoadMostRecentFile(move);
    EXPECT_EQ(none.kind, MessageKind::Warning);
    EXPECT_EQ(none.message.Bytes(), "No file found.");

    const std::string older = Write("a.cmd", "BEGIN\r\nALL 1 1\r\nEND\r\n");
    const std::string newer = Write("b.cmd", "BEGIN\r\nALL 2 2\r\nEND\r\n");
    fs::last_write_time(older, fs::file_time_type::clock::now() - std::chrono::hours(2));
    EXPECT_TRUE(LoadMostRecentFile(move).Ok());
    EXPECT_EQ(move.fileName, newer);
}

// A move keeps the absolute name of its file, whatever the working folder; its stamp tells
// a rewrite from a touch.
TEST_F(MoveFile, NameAndStampOfTheFileRead) {
    const fs::path file = Write("m.cmd", "BEGIN\r\nALL 3 2\r\nEND\r\n");
    const fs::path here = fs::current_path();
    fs::current_path(dir);
    MoveList move;
    const MoveResult read = LoadMove(move, fs::path("..") / dir.filename() / "." / "m.cmd");
    fs::current_path(here);
    ASSERT_TRUE(read.Ok() && read.stamp);
    EXPECT_EQ(move.fileName, fs::canonical(file));
    const auto later = fs::last_write_time(file) + std::chrono::seconds(5);
    const std::pair<const char*, bool> cases[] = {
        {"BEGIN\r\nALL 3 2\r\nEND\r\n", false}, // the same bytes, written again
        {"BEGIN\r\nALL 4 2\r\nEND\r\n", true},  // as long, other bytes
        {"BEGIN\r\nEND\r\n", true},
    };
    for (const auto& [bytes, changed] : cases) {
        Write("m.cmd", bytes);
        fs::last_write_time(file, later);
        EXPECT_EQ(ChangedSince(*read.stamp), changed) << bytes;
    }
    const SaveResult saved = SaveMove(move);
    ASSERT_TRUE(saved.ok && saved.stamp);
    EXPECT_FALSE(ChangedSince(*saved.stamp));
    fs::remove(file);
    EXPECT_TRUE(ChangedSince(*saved.stamp));
}

// A named pipe (what a shell's <(...) gives) is read as a stream, not taken for a missing file.
TEST_F(MoveFile, PipeIsReadAsAStream) {
    const fs::path pipe = dir / "move.fifo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer(
        [&pipe] { std::ofstream(pipe, std::ios::binary) << "BEGIN\r\nALL 3 2\r\nEND\r\n"; });
    MoveList move;
    const MoveResult result = LoadMove(move, pipe);
    writer.join();
    ASSERT_TRUE(result.Ok()) << result.message.Bytes();
    EXPECT_EQ(move.RawText(), "BEGIN\r\nALL 3 2\r\nEND\r\n");
}

// What a file given alone to the program is: a move when its first line that is not blank
// starts with BEGIN; a report, a missing file or a pipe otherwise.
TEST_F(MoveFile, AFileGivenAloneIsAMoveWhenItStartsWithBegin) {
    const std::pair<const char*, bool> files[] = {
        {"BEGIN\r\nEND\r\n", true},
        {"\r\n  \r\n\tbegin x\nEND", true},
        {"Turn report\r\nBEGIN\r\n", false},
        {"", false},
        {"BEGINNING\r\n", false},
    };
    for (const auto& [bytes, isMove] : files) {
        EXPECT_EQ(LooksLikeMoveFile(Write("f", bytes)), isMove) << bytes;
    }
    EXPECT_FALSE(LooksLikeMoveFile(dir / "missing"));
    EXPECT_FALSE(LooksLikeMoveFile(dir));
    const fs::path pipe = dir / "f.fifo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(LooksLikeMoveFile(pipe)); // looking would take what the pipe holds
}

// Save As never proposes last week's move: a move of an earlier turn of the series gives
// way to the name answering the report read.
TEST(ProposedMoveName, TheMovesOwnUnlessOfAnEarlierTurn) {
    const struct {
        const char *move, *folder, *report, *proposed;
    } cases[] = {
        {"/m/mine.cmd", "/m", "/r/turn12.txt", "/m/mine.cmd"},
        {"/m/turn12.cmd", "/m", "/r/turn12.txt", "/m/turn12.cmd"},
        {"/m/turn13.cmd", "/m", "/r/turn12.txt", "/m/turn13.cmd"},
        {"/m/turn11.cmd", "/m", "/r/turn12.txt", "/m/turn12.cmd"},
        {"/m/turn011.mov", "/m", "/r/turn012.txt", "/m/turn012.cmd"},
        {"/m/game11.cmd", "/m", "/r/turn12.txt", "/m/game11.cmd"},
        {"", "", "/r/turn12.txt", "/r/turn12.cmd"},
        {"", "/m", "/r/my.report.txt", "/m/my.report.cmd"},
        {"", "", "", "move.cmd"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProposedMoveName(c.move, c.folder, c.report), c.proposed) << c.move;
    }
}

} // namespace
} // namespace orv::move
