// Saving a move where the file system refuses: the failure is reported, the move keeps its
// lines and display form, the file that was there stays as it was, and no temporary file
// is left behind. Each fault is made so that it also holds for the superuser.
#include "../fault_injection.h"
#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::move {
namespace {

namespace fs = std::filesystem;

class SaveFaults : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orv_save_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::string text = "BEGIN\r\n";
        for (int i = 0; i < 200; ++i) {
            text += "LAND 12 7 FO 10 N E\r\n";
        }
        text += "END\r\nhi\r\n";
        ASSERT_TRUE(LoadMoveFromText(move_, text).Ok());
        shown_ = move_.lines;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }

    std::string OldFile(const std::string& name) const {
        std::string path = (dir_ / name).string();
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
        EXPECT_EQ(result.message, "File " + path + " could not be written!");
        EXPECT_EQ(move_.lines, shown_);
        EXPECT_EQ(move_.form, DisplayForm::Natural);
        ExpectNoTemporaryFile();
    }
    void ExpectNoTemporaryFile() const {
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_)) {
            EXPECT_EQ(entry.path().string().find(".~orv"), std::string::npos) << entry.path();
        }
    }

    static constexpr const char* OldBytes = "BEGIN\r\nALL 3 2\r\nEND\r\n";
    fs::path dir_;
    MoveList move_;
    std::vector<std::string> shown_;
};

// Targets that are no regular file, or lie in a folder no one may write to.
TEST_F(SaveFaults, TargetThatIsNoFileIsLeftAlone) {
    struct Case {
        const char* name;
        std::function<std::string()> make;          // creates the target, gives its path
        std::function<bool(const fs::path&)> still; // the target is still what it was
    };
    const Case cases[] = {
        {"directory",
         [&] {
             fs::create_directory(dir_ / "adir");
             return (dir_ / "adir").string();
         },
         [](const fs::path& p) { return fs::is_directory(p); }},
        {"named pipe",
         [&] {
             ::mkfifo((dir_ / "pipe").c_str(), 0600);
             return (dir_ / "pipe").string();
         },
         [](const fs::path& p) { return fs::is_fifo(p); }},
        // Through a link, so that a save that did replace the target would replace the
        // link, not the machine's /dev/full.
        {"full device",
         [&] {
             fs::create_symlink("/dev/full", dir_ / "full");
             return (dir_ / "full").string();
         },
         [](const fs::path& p) { return fs::is_symlink(p) && fs::is_character_file(p); }},
        {"missing folder", [&] { return (dir_ / "gone" / "m.cmd").string(); },
         [](const fs::path& p) { return !fs::exists(p.parent_path()); }},
        {"folder of the kernel", [] { return std::string("/proc/orv_move.cmd"); },
         [](const fs::path& p) { return !fs::exists(p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.make();
        ASSERT_TRUE(c.still(path));
        ExpectRefused(SaveMoveAs(move_, path), path);
        EXPECT_TRUE(c.still(path));
    }
}

TEST_F(SaveFaults, FolderWithoutWritePermissionKeepsTheOldFile) {
    const std::string path = OldFile("m.cmd");
    fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const faults::ChildOutcome saved =
        faults::RunWithoutRights([&] { return SaveMoveAs(move_, path).ok; });
    fs::permissions(dir_, fs::perms::owner_all);
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

TEST_F(SaveFaults, LinkedTargetIsWrittenThroughAndStaysALink) {
    const std::string file = OldFile("real.cmd");
    const fs::path link = dir_ / "link.cmd";
    fs::create_symlink(file, link);
    EXPECT_TRUE(SaveMoveAs(move_, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(file), MoveClipboardText(move_).text);
}

} // namespace
} // namespace orv::move
