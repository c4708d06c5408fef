#include "core/report/settings.h"
#include "core/report/text_file.h"
#include "temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace orv::report {
namespace {

const std::string HelpTail =
    "\r\nPlease reinitialize OrvMove\r\n(use menu item \"Reinitialize...\" "
    "in \"Report\" menu)\r\nand read section \"Initialisation\" in "
    "online help";

using SettingsFolder = fixtures::TempFolder;

// Without a usable HOME the user's folder comes from the system's user list, never "/".
TEST(UserFolder, HomeElseTheSystemsUserList) {
    const char* saved = std::getenv("HOME");
    const std::string keep = saved != nullptr ? saved : "";
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    setenv("HOME", "/some/where", 1);
    EXPECT_EQ(UserFolder(), "/some/where");
    for (const char* value : {"", "relative"}) {
        setenv("HOME", value, 1);
        EXPECT_EQ(UserFolder(), user->pw_dir) << value;
    }
    unsetenv("HOME");
    EXPECT_EQ(UserFolder(), user->pw_dir);
    saved != nullptr ? setenv("HOME", keep.c_str(), 1) : unsetenv("HOME");
}

TEST_F(SettingsFolder, SeriesWithoutReportGivesTheLongMessage) {
    const std::string prefix = (dir / "turn").string();
    SeriesButtons buttons;
    const SettingsRead read = ReadSettings({prefix + "4.txt", "T"}, buttons);
    EXPECT_EQ(read.message.Bytes(),
              "No report with matches filename\r\n" + prefix + "*.txt\r\nfound!" + HelpTail);
    EXPECT_EQ(read.reportFileName, "");
    EXPECT_FALSE(buttons.boxVisible);
}

TEST_F(SettingsFolder, SingleReportOutsideASeries) {
    const std::string t3 = Touch("turn3.txt");
    SeriesButtons buttons;
    const SettingsRead newest = ReadSettings({t3}, buttons);
    EXPECT_EQ(newest.reportFileName, t3);
    EXPECT_EQ(newest.tribeName, "");
    EXPECT_FALSE(buttons.nextEnabled);
    EXPECT_FALSE(buttons.previousEnabled);

    const std::string plain = Touch("report.txt");
    const SettingsRead read = ReadSettings({plain, "T"}, buttons);
    EXPECT_EQ(read.reportFileName, plain);
    EXPECT_EQ(read.tribeName, "T");
    EXPECT_EQ(read.message.Bytes(), "");
    EXPECT_FALSE(buttons.boxVisible);

    const std::string missing = (dir / "gone.txt").string();
    const SettingsRead gone = ReadSettings({missing, "T"}, buttons);
    EXPECT_EQ(gone.message.Bytes(), "Report " + missing + " not found!" + HelpTail);
    EXPECT_EQ(gone.reportFileName, "");
}

// No settings lines at all, and a folder for the report: not found.
TEST_F(SettingsFolder, NoLinesOrAFolderGiveAMessage) {
    for (const auto& lines : {std::vector<std::string>{}, {dir.string() + "/"}}) {
        SeriesButtons buttons;
        const SettingsRead read = ReadSettings(lines, buttons);
        EXPECT_FALSE(read.message.Empty());
        EXPECT_EQ(read.reportFileName, "");
        EXPECT_FALSE(buttons.boxVisible);
    }
}

TEST_F(SettingsFolder, WritesIntoTheFirstWritablePlaceAndReadsTheFirstExisting) {
    const std::string ro = (dir / "ro").string();
    std::filesystem::create_directory(ro);
    std::filesystem::permissions(ro, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_exec);
    const std::string inReadOnly = ro + "/OrvMove.ini";
    const std::string inConfig = (dir / "config" / "orvmove" / "OrvMove.ini").string();
    const bool rootIgnoresModes = std::ofstream(ro + "/probe").good();

    const std::string written =
        WriteSettingsFile({inReadOnly, inConfig}, "/r/turn12.txt", "Bold Tribe");
    EXPECT_EQ(written, rootIgnoresModes ? inReadOnly : inConfig);
    EXPECT_EQ(FindSettingsFile({inReadOnly, inConfig}), written);

    std::string bytes;
    ASSERT_EQ(ReadFileBytes(written, bytes), FileStatus::Ok);
    EXPECT_EQ(bytes, "/r/turn12.txt\r\nBold Tribe\r\n");
    // A place that cannot hold a file (here a folder) is passed over, even by the superuser.
    EXPECT_EQ(WriteSettingsFile({dir.string(), inConfig}, "/r/t.txt", "T"), inConfig);
    EXPECT_EQ(WriteSettingsFile({dir.string()}, "/r/t.txt", "T"), "");
}

// A build of the user's own keeps its settings beside it; an installed one only in the user's
// folder, taking files left beside the program or in the working folder as imports.
TEST(SettingsPlaces, PortableBesideTheProgramInstalledInTheUsersFolder) {
    const SettingsPlaces portable =
        SettingsPlacesFor(true, "/home/u/orv/", "/home/u/.config/O", "/w");
    EXPECT_EQ(portable.candidates, (std::vector<std::string>{"/home/u/orv/OrvMove.ini",
                                                             "/home/u/.config/O/OrvMove.ini"}));
    EXPECT_TRUE(portable.imports.empty());
    const SettingsPlaces installed =
        SettingsPlacesFor(false, "/usr/games", "/home/u/.config/O", "/w");
    EXPECT_EQ(installed.candidates, (std::vector<std::string>{"/home/u/.config/O/OrvMove.ini"}));
    EXPECT_EQ(installed.imports,
              (std::vector<std::string>{"/usr/games/OrvMove.ini", "/w/OrvMove.ini"}));
    // Started in the configuration folder itself, or with no folder of the user's known.
    EXPECT_EQ(SettingsPlacesFor(false, "/usr/games", "/c", "/c").imports,
              (std::vector<std::string>{"/usr/games/OrvMove.ini"}));
    EXPECT_TRUE(SettingsPlacesFor(false, "/usr/games", "", "").candidates.empty());
}

TEST_F(SettingsFolder, OnlyAFolderOfTheUsersOwnOutsideTheSystemIsPortable) {
    EXPECT_TRUE(IsPortableProgramFolder(dir));
    EXPECT_TRUE(IsPortableProgramFolder(dir / "."));
    EXPECT_FALSE(IsPortableProgramFolder(dir / "missing"));
    for (const char* system : {"/usr/games", "/usr/local/bin", "/opt/orvmove", "/bin", "/usr"}) {
        EXPECT_FALSE(IsPortableProgramFolder(system)) << system;
    }
}

TEST(TribeChoices, NumberPointBlankNameAndBack) {
    Game game;
    AddTribeRow(game, "3 Bold Tribe 1 2 3 4 5 6 7 8 9 10 11");
    AddTribeRow(game, "-7 X 1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(TribeChoices(game), (std::vector<std::string>{"3. Bold Tribe", "-7. X"}));
    // The name starts two characters after the first point, or at the second character.
    const std::pair<const char*, const char*> choices[] = {{"12. St. Ives", "St. Ives"},
                                                           {"Bold", "old"},
                                                           {"3.", ""},
                                                           {"3. ", ""},
                                                           {"B", ""},
                                                           {"", ""}};
    for (const auto& [text, tribe] : choices) {
        EXPECT_EQ(TribeNameFromChoice(text), tribe) << text;
    }
}

} // namespace
} // namespace orv::report
