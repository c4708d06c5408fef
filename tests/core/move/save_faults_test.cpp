// Saving a move where the file system refuses: the failure is reported, the move keeps its
// lines and display form, the file that was there stays as it was, and no temporary file
// is left behind. Each fault is made so that it also holds for the superuser.
#include "../fault_injection.h"
#include "../report/temp_folder.h"
#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orv::move {
namespace {

namespace fs = std::filesystem;

class SaveFaults : public report::fixtures::TempFolder {
  protected:
    void SetUp() override {
        TempFolder::SetUp();
        std::string text = "BEGIN\r\n";
        for (int i = 0; i < 200; ++i) {
            text += "LAND 12 7 FO 10 N E\r\n";
        }
        text += "END\r\nhi\r\n";
        ASSERT_TRUE(LoadMoveFromText(move_, text).Ok());
        shown_ = move_.Lines();
    }

    std::string OldFile(const std::string& name) const {
        std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << OldBytes;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::string bytes;
        report::ReadFileBytes(path, bytes);
        return bytes;
    }
    // The save was refused with its message and the move is shown as before.
    void ExpectRefused(const SaveResult& result, const std::string& path) const {
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message.Bytes(), "File " + path + " could not be written!");
        EXPECT_EQ(move_.Lines(), shown_);
        EXPECT_EQ(move_.form, DisplayForm::Natural);
        EXPECT_NE(move_.fileName, path); // the move keeps its old name
        ExpectNoTemporaryFile();
    }
    void ExpectNoTemporaryFile() const {
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            EXPECT_EQ(entry.path().filename().string().find(".orv"), std::string::npos)
                << entry.path();
        }
    }

    static constexpr const char* OldBytes = "BEGIN\r\nALL 3 2\r\nEND\r\n";
    MoveList move_;
    std::vector<std::string> shown_;
};

TEST_F(SaveFaults, TargetThatIsNoFileIsLeftAlone) {
    for (const faults::RefusedTarget& target : faults::TargetsThatAreNoFile(dir)) {
        SCOPED_TRACE(target.name);
        ASSERT_TRUE(target.unchanged());
        ExpectRefused(SaveMoveAs(move_, target.path), target.path);
        EXPECT_TRUE(target.unchanged());
    }
    const std::string missing = (dir / "gone" / "m.cmd").string();
    ExpectRefused(SaveMoveAs(move_, missing), missing);
    EXPECT_FALSE(fs::exists(dir / "gone"));
    // The system would cut the name at its NUL byte and write "m.cmd".
    const std::string withNul = (dir / "m.cmd").string() + std::string(1, '\0') + ".bak";
    ExpectRefused(SaveMoveAs(move_, withNul), withNul);
    EXPECT_FALSE(fs::exists(dir / "m.cmd"));
}

TEST_F(SaveFaults, FolderWithoutWritePermissionKeepsTheOldFile) {
    const std::string path = OldFile("m.cmd");
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const faults::ChildOutcome saved =
        faults::RunWithoutRights([&] { return SaveMoveAs(move_, path).ok; });
    fs::permissions(dir, fs::perms::owner_all);
    if (saved == faults::ChildOutcome::NoWayToDropRights) {
        GTEST_SKIP() << "the superuser may not give up its rights here";
    }
    EXPECT_EQ(saved, faults::ChildOutcome::False);
    EXPECT_EQ(Read(path), OldBytes);
    ExpectNoTemporaryFile();
}

TEST_F(SaveFaults, DeviceFullKeepsTheOldFile) {
    const std::string path = OldFile("m.cmd");
    SaveResult result;
    {
        const faults::FileSizeLimit full(1024);
        ASSERT_TRUE(full.Active());
        result = SaveMoveAs(move_, path);
    }
    ExpectRefused(result, path);
    EXPECT_EQ(Read(path), OldBytes);
}

// The saved file keeps its permission bits; a read-only one is refused, even for the
// superuser; a linked target is written through and stays a link, but a link planted where
// a temporary file could be looked for is not written through; a name as long as the file
// system allows can be saved, and becomes the move's name.
TEST_F(SaveFaults, CarefulReplacement) {
    const std::string shared = OldFile("shared.cmd");
    fs::permissions(shared, fs::perms(0640));
    move_.fileName = shared;
    EXPECT_TRUE(SaveMove(move_).ok);
    EXPECT_EQ(fs::status(shared).permissions(), fs::perms(0640));

    const std::string readOnly = OldFile("ro.cmd");
    fs::permissions(readOnly, fs::perms(0444));
    ExpectRefused(SaveMoveAs(move_, readOnly), readOnly);
    EXPECT_EQ(Read(readOnly), OldBytes);

    const std::string planted = OldFile("elsewhere.txt");
    const std::string target = (dir / "m.cmd").string();
    for (const char* suffix : {".~orv0", ".tmp", "~", ".bak", ".orv"}) {
        fs::create_symlink(planted, target + suffix);
    }
    EXPECT_TRUE(SaveMoveAs(move_, target).ok);
    EXPECT_EQ(Read(planted), OldBytes);

    const std::string real = OldFile("real.cmd");
    const fs::path link = dir / "link.cmd";
    fs::create_symlink(real, link);
    EXPECT_TRUE(SaveMoveAs(move_, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), MoveClipboardText(move_));

    const std::string longest = (dir / (std::string(251, 'n') + ".cmd")).string();
    EXPECT_TRUE(SaveMoveAs(move_, longest).ok);
    EXPECT_EQ(Read(longest), MoveClipboardText(move_));
    EXPECT_EQ(move_.fileName, longest);
}

} // namespace
} // namespace orv::move
