// Writing the settings file where the file system refuses: the write is reported as failed
// (no path comes back), the settings file that was there stays as it was, and the next
// candidate is tried.
#include "../fault_injection.h"
#include "core/report/settings.h"
#include "core/report/text_file.h"
#include "temp_folder.h"

#include <filesystem>

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

// No pipe here: a settings writer that wrongly opened one would hang the test, not fail it.
TEST_F(SettingsFaults, TargetThatIsNoFileIsLeftAlone) {
    for (const faults::RefusedTarget& target : faults::TargetsThatAreNoFile(dir, false)) {
        SCOPED_TRACE(target.name);
        ASSERT_TRUE(target.unchanged());
        EXPECT_EQ(Write({target.path}), "");
        EXPECT_TRUE(target.unchanged());
        const std::string fallback = (dir / "config" / "OrvMove.ini").string();
        EXPECT_EQ(Write({target.path, fallback}), fallback);
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
