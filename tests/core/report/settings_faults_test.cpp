// Writing the settings file where the file system refuses: the write is reported as failed
// (no path comes back), the settings file that was there stays as it was, and the next
// candidate is tried.
#include "../fault_injection.h"
#include "core/report/settings.h"
#include "core/report/text_file.h"
#include "temp_folder.h"

#include <filesystem>
#include <functional>

namespace orv::report {
namespace {

namespace fs = std::filesystem;

constexpr const char* OldSettings = "/r/turn11.txt\r\nVikings\r\n";

class SettingsFaults : public fixtures::TempFolder {
  protected:
    std::string OldFile(const fs::path& path) const {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << OldSettings;
        return path.string();
    }
    static std::string Read(const std::string& path) {
        std::string bytes;
        ReadFileBytes(path, bytes);
        return bytes;
    }
    static std::string Write(const std::vector<std::string>& candidates) {
        return WriteSettingsFile(candidates, "/reports/a-long-folder-name/turn12.txt",
                                 "Sons of Odin");
    }
};

TEST_F(SettingsFaults, TargetThatIsNoFileIsLeftAlone) {
    struct Case {
        const char* name;
        std::function<std::string()> make;
        std::function<bool(const fs::path&)> still;
    };
    const Case cases[] = {
        {"directory",
         [&] {
             fs::create_directory(dir / "OrvMove.ini");
             return (dir / "OrvMove.ini").string();
         },
         [](const fs::path& p) { return fs::is_directory(p); }},
        {"full device",
         [&] {
             fs::create_symlink("/dev/full", dir / "full.ini");
             return (dir / "full.ini").string();
         },
         [](const fs::path& p) { return fs::is_symlink(p) && fs::is_character_file(p); }},
        {"folder of the kernel", [] { return std::string("/proc/OrvMove.ini"); },
         [](const fs::path& p) { return !fs::exists(p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.make();
        ASSERT_TRUE(c.still(path));
        EXPECT_EQ(Write({path}), "");
        EXPECT_TRUE(c.still(path));
        const std::string fallback = (dir / c.name / "OrvMove.ini").string();
        EXPECT_EQ(Write({path, fallback}), fallback);
    }
}

TEST_F(SettingsFaults, FolderWithoutWritePermissionKeepsTheOldFile) {
    const std::string old = OldFile(dir / "program" / "OrvMove.ini");
    const fs::path config = dir / "config";
    fs::create_directory(config);
    fs::permissions(config, fs::perms::all);
    fs::permissions(dir / "program",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string fallback = (config / "OrvMove.ini").string();
    const faults::ChildOutcome wroteFallback = faults::RunWithoutRights([&] {
        return Write({old, fallback}) == fallback;
    });
    if (wroteFallback == faults::ChildOutcome::NoWayToDropRights) {
        GTEST_SKIP() << "the superuser may not give up its rights here";
    }
    EXPECT_EQ(wroteFallback, faults::ChildOutcome::True);
    EXPECT_EQ(Read(old), OldSettings);
    EXPECT_EQ(Read(fallback), "/reports/a-long-folder-name/turn12.txt\r\nSons of Odin\r\n");
}

TEST_F(SettingsFaults, DeviceFullKeepsTheOldFile) {
    const std::string old = OldFile(dir / "OrvMove.ini");
    std::string written = "not tried";
    {
        const faults::FileSizeLimit full(16);
        ASSERT_TRUE(full.Active());
        written = Write({old});
    }
    EXPECT_EQ(written, "");
    EXPECT_EQ(Read(old), OldSettings);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace orv::report
