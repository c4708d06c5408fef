#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orv::move {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class MoveFile : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orv_move_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::string bytes;
        report::ReadFileBytes(path, bytes);
        return bytes;
    }
    // A named move in natural form, as after loading a file.
    MoveList OpenMove() const {
        MoveList move;
        const MoveResult r = LoadMove(move, Write("open.cmd", "BEGIN\r\nALL 3 2\r\nEND\r\nhi\r\n"));
        EXPECT_TRUE(r.Ok());
        return move;
    }

    fs::path dir_;
};

TEST_F(MoveFile, HeaderLinesBeforeBeginAreSkipped) {
    MoveList move;
    const std::string path =
        Write("t.cmd", "From: gm\r\nSubject: turn\r\n\r\nbegin\r\nLAND 12 7 FO 10 N E\r\n"
                       "PLA 13 7 CA\r\nEND\r\nGreetings to all neighbours\r\n");
    const MoveResult r = LoadMove(move, path);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.kind, MessageKind::None);
    EXPECT_EQ(move.lines,
              (Lines{"BEGIN",
                     "Move through land with 10 Foot soldiers from province 12 / 7 to north east ",
                     "Place one Castle into province 13 / 7", "END",
                     "Send message(s):", "Greetings to all neighbours"}));
    EXPECT_EQ(move.fileName, path);
    EXPECT_EQ(move.folder, dir_.string());
    EXPECT_EQ(move.LabelText(), "Your Move (t.cmd):");
}

TEST_F(MoveFile, RawDisplayGetsCanonicalLines) {
    MoveList move;
    move.form = DisplayForm::Raw;
    ASSERT_TRUE(LoadMove(move, Write("t.mov", "BEGIN\nland 12 7 fo 10 n\nEND\nsee you\n")).Ok());
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "LAND 12 7 FO 10 N", "END", "see you"}));
    EXPECT_EQ(move.form, DisplayForm::Raw);
}

// A failed load leaves the open move as it was; only the folder follows the chosen file.
TEST_F(MoveFile, RefusedLoadKeepsTheOpenMove) {
    struct Case {
        const char* name;
        const char* bytes; // nullptr: the file does not exist
        LoadStatus status;
        const char* message;
    };
    const Case cases[] = {
        {"missing", nullptr, LoadStatus::NotFound, ""},
        {"empty", "", LoadStatus::NoBegin, "Error in file: no BEGIN found!"},
        {"no begin", "LAND 12 7 AT N\r\nEND\r\n", LoadStatus::NoBegin,
         "Error in file: no BEGIN found!"},
        {"begin last", "header\r\nBEGIN\r\n", LoadStatus::NoBegin,
         "Error in file: no BEGIN found!"},
        {"begin only", "BEGIN", LoadStatus::NoBegin, "Error in file: no BEGIN found!"},
    };
    for (const Case& c : cases) {
        MoveList move = OpenMove();
        const MoveList before = move;
        const std::string path =
            c.bytes ? Write("bad.cmd", c.bytes) : (dir_ / "sub" / "none.cmd").string();
        const MoveResult r = LoadMove(move, path);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.kind, MessageKind::Error) << c.name;
        if (c.bytes) {
            EXPECT_EQ(r.message, c.message) << c.name;
        } else {
            EXPECT_EQ(r.message, "File " + path + " not found!") << c.name;
        }
        EXPECT_EQ(move.lines, before.lines) << c.name;
        EXPECT_EQ(move.fileName, before.fileName) << c.name;
        EXPECT_EQ(move.folder, FolderOf(path)) << c.name;
    }
}

TEST_F(MoveFile, UnrecognizedLineLeavesANewMoveNotNamedAfterTheFile) {
    for (const char* body :
         {"BEGIN\r\n\r\nEND\r\n", "BEGIN\r\nALL 3 2\r\nhello world\r\nEND\r\n"}) {
        MoveList move = OpenMove();
        const std::string path = Write("refused.cmd", body);
        const MoveResult r = LoadMove(move, path);
        EXPECT_EQ(r.status, LoadStatus::Unrecognized);
        EXPECT_EQ(r.message.rfind("Error in file: unrecognized command in line\r\n", 0), 0U);
        EXPECT_EQ(move.lines, (Lines{"BEGIN", "END"}));
        EXPECT_EQ(move.fileName, "");
        EXPECT_EQ(move.LabelText(), "Your Move:");
        EXPECT_EQ(Read(path), body);
    }
}

TEST_F(MoveFile, LoadedMoveAlwaysGetsItsEnd) {
    MoveList move;
    ASSERT_TRUE(LoadMove(move, Write("t.cmd", "BEGIN\r\nALL 3 2\r\nESP 1 2")).Ok());
    EXPECT_EQ(move.lines.back(), "END");
    EXPECT_EQ(move.EndLineIndex(), 3U);

    move.form = DisplayForm::Raw;
    ASSERT_TRUE(LoadMoveFromText(move, "BEGIN\rALL 3 2\rend").Ok());
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "ALL 3 2", "END"}));
    ASSERT_TRUE(LoadMoveFromText(move, "").Ok());
    EXPECT_EQ(move.lines, (Lines{"END"}));
}

TEST_F(MoveFile, SaveWritesRawLinesAndRestoresTheNaturalDisplay) {
    MoveList move;
    ASSERT_TRUE(LoadMoveFromText(move, "BEGIN\nDEF 12 7 U 13 7 P\nEND\nBye\n").Ok());
    const Lines natural = move.lines;
    EXPECT_EQ(natural[3], "Send message(s):");
    const std::string path = Write("out.cmd", "old content that is longer than the new one");
    const SaveResult r = SaveMoveAs(move, path);
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(Read(path), "BEGIN\r\nDEF 12 7 U 13 7 P \r\nEND\r\nBye\r\n");
    EXPECT_EQ(move.lines, natural);
    EXPECT_EQ(move.form, DisplayForm::Natural);
    EXPECT_EQ(move.fileName, path);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(MoveFile, FailedSaveLeavesTheOldFileAndReportsIt) {
    MoveList move = OpenMove();
    const Lines natural = move.lines;

    fs::create_directory(dir_ / "adir");
    const SaveResult intoDirectory = SaveMoveAs(move, (dir_ / "adir").string());
    EXPECT_FALSE(intoDirectory.ok);
    EXPECT_EQ(intoDirectory.message, "File " + (dir_ / "adir").string() + " could not be written!");
    EXPECT_TRUE(fs::is_directory(dir_ / "adir"));
    EXPECT_EQ(move.lines, natural);

    const SaveResult noFolder = SaveMoveAs(move, (dir_ / "gone" / "m.cmd").string());
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(move.lines, natural);
    EXPECT_EQ(move.form, DisplayForm::Natural);
}

TEST_F(MoveFile, FailedSaveInAnUnwritableFolderKeepsTheOldBytes) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    MoveList move = OpenMove();
    const fs::path locked = dir_ / "locked";
    fs::create_directory(locked);
    const std::string target = (locked / "m.cmd").string();
    std::ofstream(target, std::ios::binary) << "BEGIN\r\nold\r\nEND\r\n";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const SaveResult r = SaveMoveAs(move, target);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(Read(target), "BEGIN\r\nold\r\nEND\r\n");
}

TEST_F(MoveFile, ClipboardTextLoadsBackToTheSameMove) {
    MoveList move = OpenMove();
    move.lines.insert(move.lines.begin() + 2, "Conduct a raid from province 12 / 7 with all "
                                              "Horsemen and all Bowmen  to north");
    const Lines shown = move.lines;
    const ClipboardText clip = MoveClipboardText(move);
    EXPECT_EQ(clip.message, "");
    EXPECT_EQ(clip.text, "BEGIN\r\nALL 3 2\r\nRAID 12 7 HO AT BO AT N\r\nEND\r\nhi\r\n");
    EXPECT_EQ(move.form, DisplayForm::Natural);

    MoveList other;
    other.fileName = "/keep/this.cmd";
    ASSERT_TRUE(LoadMoveFromText(other, clip.text).Ok());
    EXPECT_EQ(other.lines[0], "BEGIN");
    EXPECT_EQ(other.lines[2], "Conduct a raid from province 12 / 7 with all Horsemen and all "
                              "Bowmen to north ");
    EXPECT_EQ(other.lines.back(), "hi");
    EXPECT_EQ(other.fileName, "/keep/this.cmd");
}

TEST_F(MoveFile, MostRecentFileOfTheFolderIsLoaded) {
    MoveList move;
    EXPECT_EQ(LoadMostRecentFile(move).message, "No file found.");
    move.folder = dir_.string();
    const MoveResult none = LoadMostRecentFile(move);
    EXPECT_EQ(none.kind, MessageKind::Warning);
    EXPECT_EQ(none.message, "No file found.");

    const std::string older = Write("a.cmd", "BEGIN\r\nALL 1 1\r\nEND\r\n");
    const std::string newer = Write("b.cmd", "BEGIN\r\nALL 2 2\r\nEND\r\n");
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(older, now - std::chrono::hours(2));
    fs::last_write_time(newer, now - std::chrono::hours(1));
    EXPECT_EQ(FindMostRecentFile(dir_.string()), newer);
    EXPECT_TRUE(LoadMostRecentFile(move).Ok());
    EXPECT_EQ(move.fileName, newer);
    EXPECT_EQ(move.lines[1], "Alter alliance status to player 2 to 2");
}

// Hostile content loads or is refused with a message, in time, without harm.
TEST_F(MoveFile, HostileContent) {
    const std::string longWord(100000, 'x');
    std::string manyWords;
    for (int i = 0; i < 25000; ++i) {
        manyWords += " and N";
    }
    struct Case {
        const char* name;
        std::string bytes;
        LoadStatus status;
    };
    const Case cases[] = {
        {"nul bytes", std::string("BEGIN\r\nALL \0 2\r\nEND\r\n\0\r\n", 22), LoadStatus::Loaded},
        {"high bytes", "BEGIN\r\nNAME 1 2 \xE9\xFF\xA0x\r\nNAME \xA0\xA0\r\nEND\r\n",
         LoadStatus::Loaded},
        {"unclosed quote", "BEGIN\r\nLAND 1 2 \"FO 5 N\r\nNAME \"x\r\nEND\r\n", LoadStatus::Loaded},
        {"long word", "BEGIN\r\nLAND 1 2 " + longWord + "\r\nEND\r\n", LoadStatus::Loaded},
        {"many directions", "BEGIN\r\nRAID 1 2 AT" + manyWords + "\r\nEND\r\n", LoadStatus::Loaded},
        {"natural sentence in a file", "BEGIN\r\nConduct" + manyWords + "\r\nEND\r\n",
         LoadStatus::Unrecognized},
        {"lf only", "x\nBEGIN\nESP 1 2\nEND\n", LoadStatus::Loaded},
        {"cr only", "x\rBEGIN\rESP 1 2\rEND\r", LoadStatus::Loaded},
        {"long line no begin", longWord, LoadStatus::NoBegin},
        {"binary",
         std::string("\x7F"
                     "ELF\0\1\2BEGIN",
                     11),
         LoadStatus::NoBegin},
    };
    for (const Case& c : cases) {
        for (const DisplayForm form : {DisplayForm::Natural, DisplayForm::Raw}) {
            MoveList move;
            move.form = form;
            const MoveResult r = LoadMove(move, Write("h.cmd", c.bytes));
            EXPECT_EQ(r.status, c.status) << c.name;
            EXPECT_GE(move.lines.size(), 2U) << c.name;
        }
    }
}

TEST_F(MoveFile, TwentyMegabyteMoveLoads) {
    std::string bytes = "BEGIN\r\nLAND 12 7 FO 10 N\r\nEND\r\n";
    const std::string message(99, 'm');
    while (bytes.size() < 20'000'000) {
        bytes += message + "\r\n";
    }
    MoveList move;
    const MoveResult r = LoadMove(move, Write("big.cmd", bytes));
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(move.lines.size(), 4U + (bytes.size() - 31) / 101);
    EXPECT_TRUE(SaveMove(move).ok);
    EXPECT_EQ(Read(move.fileName), bytes);
}

} // namespace
} // namespace orv::move
