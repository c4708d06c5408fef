// Saving a move where the file system refuses: the failure is reported, the move stays as
// it was, the file that was there keeps its bytes, and nothing is left behind. Each fault
// also holds for the superuser, who is not bound by permission bits.
#include "../report/temp_folder.h"
#include "core/move/move_file.h"
#include "core/report/text_file.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sys/mount.h>
#include <sys/resource.h>

namespace orv::move {
namespace {

namespace fs = std::filesystem;

// While it lives, no file may grow past `bytes`: writes beyond fail as on a full device
// (the signal that would end the process is ignored).
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit limit = before;
        limit.rlim_cur = bytes;
        active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
    }
    void (*handler)(int);
    rlimit before{};
    bool active = false;
};

class SaveFaults : public report::fixtures::TempFolder {
  protected:
    static std::string Read(const std::string& path) {
        std::string bytes;
        report::ReadFileBytes(path, bytes);
        return bytes;
    }
    static constexpr const char* Old = "BEGIN\r\nALL 3 2\r\nEND\r\n";
};

// One row per place where the writer gives up: a target that is no regular file (a link to
// /dev/full, resolved, so that the link is not replaced), a folder that does not exist, a
// name the system would cut at its NUL byte, a read-only file, a full device.
TEST_F(SaveFaults, RefusedSaveChangesNothing) {
    // An order and a message longer than the full device's kilobyte.
    const std::string text = "BEGIN\r\nLAND 12 7 FO 10 N E\r\nEND\r\n" + std::string(2048, 'x');
    MoveList move;
    ASSERT_TRUE(LoadMoveFromText(move, text).Ok());
    const MoveList before = move;
    const fs::path full = dir / "full";
    fs::create_symlink("/dev/full", full);
    const std::string readOnly = Write("ro.cmd", Old);
    fs::permissions(readOnly, fs::perms(0444));
    const std::string sized = Write("m.cmd", Old);
    const struct {
        const char* name;
        std::string path;
        std::string reason; // the system's, on the message's second line
        bool deviceFull = false;
    } cases[] = {
        {"link to the full device", full.string(), ""},
        {"missing folder", (dir / "gone" / "m.cmd").string(), "\r\nNo such file or directory"},
        {"NUL byte in the name", (dir / "n.cmd").string() + std::string(1, '\0') + ".bak", ""},
        {"read-only file", readOnly, "\r\nPermission denied"},
        {"device full", sized, "\r\nFile too large", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<FileSizeLimit> limit;
        if (c.deviceFull) {
            ASSERT_TRUE(limit.emplace(1024).active);
        }
        const SaveResult result = SaveMoveAs(move, c.path);
        limit.reset();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message.Bytes(), "File " + c.path + " could not be written!" + c.reason);
        EXPECT_EQ(move, before);
    }
    // Only the three files made above are left.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);
    EXPECT_TRUE(fs::is_symlink(full) && fs::is_character_file(full));
    EXPECT_EQ(Read(readOnly), Old);
    EXPECT_EQ(Read(sized), Old);
}

// A real full file system: a tmpfs of two pages, where the old move takes one. Mounting
// one takes the superuser's right to mount, which a container may not give.
TEST_F(SaveFaults, FullFileSystemSaysSoAndKeepsTheOldFile) {
    const fs::path small = dir / "small";
    fs::create_directory(small);
    if (::mount("orv-test", small.c_str(), "tmpfs", 0, "size=8k") != 0) {
        GTEST_SKIP() << "no tmpfs could be mounted here: " << std::strerror(errno);
    }
    const std::string target = (small / "m.cmd").string();
    { std::ofstream(target, std::ios::binary) << Old; }
    MoveList move; // its message alone is larger than the page left
    ASSERT_TRUE(LoadMoveFromText(move, "BEGIN\r\nEND\r\n" + std::string(8192, 'x')).Ok());
    const SaveResult result = SaveMoveAs(move, target);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.Bytes(),
              "File " + target + " could not be written!\r\nNo space left on the device");
    EXPECT_EQ(Read(target), Old);
    EXPECT_EQ(std::distance(fs::directory_iterator(small), fs::directory_iterator()), 1);
    ::umount2(small.c_str(), MNT_DETACH);
}

// A linked target is written through, stays a link and keeps its permission bits; a name
// as long as the file system allows is saved and becomes the move's name.
TEST_F(SaveFaults, CarefulReplacement) {
    MoveList move;
    ASSERT_TRUE(LoadMoveFromText(move, Old).Ok());
    const std::string real = Write("real.cmd", "old");
    fs::permissions(real, fs::perms(0640));
    move.fileName = (dir / "link.cmd").string();
    fs::create_symlink(real, move.fileName);
    EXPECT_TRUE(SaveMove(move).ok);
    EXPECT_TRUE(fs::is_symlink(move.fileName));
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
    EXPECT_EQ(Read(real), Old);

    // A dangling link, relative and through a second link: the file it names is made.
    fs::create_symlink("later.cmd", dir / "dangling.cmd");
    fs::create_symlink("dangling.cmd", dir / "chain.cmd");
    move.fileName = (dir / "chain.cmd").string();
    EXPECT_TRUE(SaveMove(move).ok);
    EXPECT_TRUE(fs::is_symlink(dir / "chain.cmd") && fs::is_symlink(dir / "dangling.cmd"));
    EXPECT_EQ(Read((dir / "later.cmd").string()), Old);
    // A loop of links is refused and stays as it was.
    fs::create_symlink("loop2.cmd", dir / "loop1.cmd");
    fs::create_symlink("loop1.cmd", dir / "loop2.cmd");
    EXPECT_FALSE(SaveMoveTo(move, dir / "loop1.cmd").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "loop1.cmd"));

    const std::string longest = (dir / (std::string(251, 'n') + ".cmd")).string();
    EXPECT_TRUE(SaveMoveAs(move, longest).ok);
    EXPECT_EQ(Read(longest), Old);
    EXPECT_EQ(move.fileName, longest);
}

// A save removes what killed saves left in its folder once it is a day old, and nothing else.
TEST_F(SaveFaults, LeftTemporariesRemovedWhenOld) {
    MoveList move;
    ASSERT_TRUE(LoadMoveFromText(move, Old).Ok());
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(25);
    const struct {
        const char* name;
        bool aged, removed;
    } cases[] = {
        {".orv-abcDEF012345.tmp", true, true},
        {".orv-abcDEF012346.tmp", false, false}, // a save in progress elsewhere
        {".orv-abc.tmp", true, false},
        {"orv-abcDEF012345.tmp", true, false},
        {".orv-abcDEF01234_.tmp", true, false},
    };
    for (const auto& c : cases) {
        Write(c.name, "left");
        if (c.aged) {
            fs::last_write_time(dir / c.name, old);
        }
    }
    ASSERT_TRUE(SaveMoveAs(move, dir / "m.cmd").ok);
    for (const auto& c : cases) {
        EXPECT_EQ(fs::exists(dir / c.name), !c.removed) << c.name;
    }
}

} // namespace
} // namespace orv::move
