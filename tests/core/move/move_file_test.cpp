#include "../report/temp_folder.h"
#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orv::move {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class MoveFile : public report::fixtures::TempFolder {
  protected:
    static std::string Read(const std::string& path) {
        std::string bytes;
        report::ReadFileBytes(path, bytes);
        return bytes;
    }
    // A named move in natural form, as after loading a file.
    MoveList OpenMove() const {
        MoveList move;
        EXPECT_TRUE(LoadMove(move, Write("open.cmd", "BEGIN\r\nALL 3 2\r\nEND\r\nhi\r\n")).Ok());
        return move;
    }
};

TEST_F(MoveFile, HeaderLinesBeforeBeginAreSkipped) {
    MoveList move;
    const std::string path = Write("t.cmd", "From: gm\r\n\r\nbegin\r\nLAND 12 7 FO 10 N E\r\n"
                                            "END\r\nGreetings to all neighbours\r\n");
    EXPECT_TRUE(LoadMove(move, path).Ok());
    EXPECT_EQ(move.lines,
              (Lines{"BEGIN",
                     "Move through land with 10 Foot soldiers from province 12 / 7 to north east ",
                     "END", "Send message(s):", "Greetings to all neighbours"}));
    EXPECT_EQ(move.fileName, path);
    EXPECT_EQ(move.folder, dir.string());
    EXPECT_EQ(move.LabelText(), "Your Move (t.cmd):");

    move.form = DisplayForm::Raw;
    ASSERT_TRUE(LoadMove(move, Write("t.mov", "BEGIN\nland 12 7 fo 10 n\nEND\nsee you\n")).Ok());
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "LAND 12 7 FO 10 N", "END", "see you"}));
}

// A failed load leaves the open move as it was; only the folder follows the chosen file.
TEST_F(MoveFile, RefusedLoadKeepsTheOpenMove) {
    struct Case {
        const char* bytes; // nullptr: the file does not exist
        LoadStatus status;
    };
    const Case cases[] = {
        {nullptr, LoadStatus::NotFound},
        {"", LoadStatus::NoBegin},
        {"LAND 1 2 AT N\r\n", LoadStatus::NoBegin},
        {"header\r\nBEGIN\r\n", LoadStatus::NoBegin},
        {"BEGIN", LoadStatus::NoBegin},
    };
    for (const Case& c : cases) {
        MoveList move = OpenMove();
        const MoveList before = move;
        const std::string path = c.bytes ? Write("bad.cmd", c.bytes) : (dir / "no" / "x").string();
        const MoveResult r = LoadMove(move, path);
        EXPECT_EQ(r.status, c.status) << path;
        EXPECT_EQ(r.message,
                  c.bytes ? "Error in file: no BEGIN found!" : "File " + path + " not found!");
        EXPECT_EQ(move.lines, before.lines);
        EXPECT_EQ(move.fileName, before.fileName);
        EXPECT_EQ(move.folder, FolderOf(path));
    }
}

TEST_F(MoveFile, UnrecognizedLineLeavesANewMoveNotNamedAfterTheFile) {
    MoveList move = OpenMove();
    const MoveResult r = LoadMove(move, Write("refused.cmd", "BEGIN\r\n\r\nEND\r\n"));
    EXPECT_EQ(r.status, LoadStatus::Unrecognized);
    EXPECT_EQ(r.message, "Error in file: unrecognized command in line\r\n");
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "END"}));
    EXPECT_EQ(move.fileName, "");
}

TEST_F(MoveFile, LoadedMoveAlwaysGetsItsEnd) {
    MoveList move;
    ASSERT_TRUE(LoadMove(move, Write("t.cmd", "BEGIN\r\nALL 3 2\r\nESP 1 2")).Ok());
    EXPECT_EQ(move.EndLineIndex(), 3U);
    move.form = DisplayForm::Raw;
    ASSERT_TRUE(LoadMoveFromText(move, "BEGIN\rALL 3 2\rend").Ok());
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "ALL 3 2", "END"}));
}

TEST_F(MoveFile, SaveWritesRawLinesAndRestoresTheNaturalDisplay) {
    MoveList move;
    ASSERT_TRUE(LoadMoveFromText(move, "BEGIN\nDEF 12 7 U 13 7 P\nEND\nBye\n").Ok());
    const Lines natural = move.lines;
    const std::string path = Write("out.cmd", "old content that is longer than the new one");
    EXPECT_TRUE(SaveMoveAs(move, path).ok);
    EXPECT_EQ(Read(path), "BEGIN\r\nDEF 12 7 U 13 7 P \r\nEND\r\nBye\r\n");
    EXPECT_EQ(move.lines, natural);
    EXPECT_EQ(move.fileName, path);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(MoveFile, FailedSaveLeavesTheOldFileAndReportsIt) {
    MoveList move = OpenMove();
    const Lines natural = move.lines;
    fs::create_directory(dir / "adir");
    const SaveResult intoDirectory = SaveMoveAs(move, (dir / "adir").string());
    EXPECT_FALSE(intoDirectory.ok);
    EXPECT_EQ(intoDirectory.message, "File " + (dir / "adir").string() + " could not be written!");
    EXPECT_TRUE(fs::is_directory(dir / "adir"));
    EXPECT_FALSE(SaveMoveAs(move, (dir / "gone" / "m.cmd").string()).ok);
    EXPECT_EQ(move.lines, natural);
    EXPECT_EQ(move.form, DisplayForm::Natural);
    if (::geteuid() != 0) { // permissions do not bind the superuser
        const std::string target = Write("m.cmd", "old\r\n");
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(SaveMoveAs(move, target).ok);
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(Read(target), "old\r\n");
    }
}

TEST_F(MoveFile, ClipboardTextLoadsBackToTheSameMove) {
    MoveList move = OpenMove();
    move.lines.insert(
        move.lines.begin() + 2,
        "Conduct a raid from province 12 / 7 with all Horsemen and all Bowmen  to north");
    const ClipboardText clip = MoveClipboardText(move);
    EXPECT_EQ(clip.text, "BEGIN\r\nALL 3 2\r\nRAID 12 7 HO AT BO AT N\r\nEND\r\nhi\r\n");
    EXPECT_EQ(move.form, DisplayForm::Natural);

    MoveList other;
    other.fileName = "/keep/this.cmd";
    ASSERT_TRUE(LoadMoveFromText(other, clip.text).Ok());
    EXPECT_EQ(other.lines[2], "Conduct a raid from province 12 / 7 with all Horsemen and all "
                              "Bowmen to north ");
    EXPECT_EQ(other.lines.back(), "hi");
    EXPECT_EQ(other.fileName, "/keep/this.cmd");

    other.lines.insert(other.lines.begin() + 1, "hello world");
    const ClipboardText refused = MoveClipboardText(other);
    EXPECT_EQ(refused.text, "");
    EXPECT_EQ(refused.message, "Error in file: unrecognized command in line\r\nhello world");
}

TEST_F(MoveFile, MostRecentFileOfTheFolderIsLoaded) {
    MoveList move;
    move.folder = dir.string();
    const MoveResult none = LoadMostRecentFile(move);
    EXPECT_EQ(none.kind, MessageKind::Warning);
    EXPECT_EQ(none.message, "No file found.");

    const std::string older = Write("a.cmd", "BEGIN\r\nALL 1 1\r\nEND\r\n");
    const std::string newer = Write("b.cmd", "BEGIN\r\nALL 2 2\r\nEND\r\n");
    fs::last_write_time(older, fs::file_time_type::clock::now() - std::chrono::hours(2));
    EXPECT_TRUE(LoadMostRecentFile(move).Ok());
    EXPECT_EQ(move.fileName, newer);
}

// Hostile content from a file or the clipboard loads or is refused with a message, without
// harm, in either form.
TEST_F(MoveFile, HostileContent) {
    const std::string longWord(100000, 'x');
    std::string manyWords;
    for (int i = 0; i < 25000; ++i) {
        manyWords += " and N";
    }
    const std::pair<std::string, LoadStatus> cases[] = {
        {std::string("BEGIN\r\nALL \0 2\r\nEND\r\n\0\r\n", 22), LoadStatus::Loaded},
        {"BEGIN\r\nNAME 1 2 \xE9\xFF\xA0x\r\nNAME \xA0\xA0\r\nEND\r\n", LoadStatus::Loaded},
        {"BEGIN\r\nLAND 1 2 \"FO 5 N\r\nNAME \"x\r\nEND\r\n", LoadStatus::Loaded},
        {"BEGIN\r\nLAND 1 2 " + longWord + "\r\nEND\r\n", LoadStatus::Loaded},
        {"BEGIN\r\nRAID 1 2 AT" + manyWords + "\r\nEND\r\n", LoadStatus::Loaded},
        {"BEGIN\r\nConduct" + manyWords + "\r\nEND\r\n", LoadStatus::Unrecognized},
        {"x\nBEGIN\nESP 1 2\nEND\n", LoadStatus::Loaded},
        {"x\rBEGIN\rESP 1 2\rEND\r", LoadStatus::Loaded},
        {longWord, LoadStatus::NoBegin},
    };
    for (const auto& [bytes, status] : cases) {
        for (const DisplayForm form : {DisplayForm::Natural, DisplayForm::Raw}) {
            MoveList move;
            move.form = form;
            EXPECT_EQ(LoadMove(move, Write("h.cmd", bytes)).status, status) << bytes.substr(0, 40);
            EXPECT_GE(move.lines.size(), 2U);
            LoadMoveFromText(move, bytes);
            EXPECT_GE(move.lines.size(), 1U);
        }
    }
}

TEST_F(MoveFile, TwentyMegabyteMoveLoadsAndSaves) {
    std::string bytes = "BEGIN\r\nLAND 12 7 FO 10 N\r\nEND\r\n";
    while (bytes.size() < 20'000'000) {
        bytes += std::string(99, 'm') + "\r\n";
    }
    MoveList move;
    EXPECT_TRUE(LoadMove(move, Write("big.cmd", bytes)).Ok());
    EXPECT_TRUE(SaveMove(move).ok);
    EXPECT_TRUE(Read(move.fileName) == bytes);
}

} // namespace
} // namespace orv::move
