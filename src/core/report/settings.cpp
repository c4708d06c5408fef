#include "core/report/settings.h"

#include "core/report/text_file.h"

#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::report {

namespace {

Message NotFoundHelp(Message message) {
    return message.Text("\r\nPlease reinitialize OrvMove\r\n(use menu item \"Reinitialize...\" in "
                        "\"Report\" menu)\r\nand read section \"Initialisation\" in online help");
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    const std::filesystem::path target(path);
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ec);
    }
    // Through a temporary file, so a failed write never leaves a cut settings file.
    return WriteFileReplacing(path, bytes);
}

} // namespace

SettingsRead ReadSettings(const std::vector<std::string>& lines, SeriesButtons& buttons) {
    SettingsRead read;
    read.reportFileName = lines.empty() ? std::string() : lines[0];
    read.tribeName = lines.size() < 2 ? std::string() : lines[1];
    read.series = SplitReportName(read.reportFileName);
    Message message;
    if (read.series.IsSeries()) {
        read.reportFileName = FindReport(read.series, read.reportFileName, FindMode::MostRecent);
        if (!read.reportFileName.empty()) {
            buttons.nextEnabled = false;
        } else {
            message.Text("No report with matches filename\r\n")
                .Name(read.series.prefix + "*" + read.series.suffix)
                .Text("\r\nfound!");
        }
        if (FindReport(read.series, read.reportFileName, FindMode::Previous).empty()) {
            buttons.previousEnabled = false;
        }
    } else {
        buttons.boxVisible = false;
        if (!FileExists(read.reportFileName)) {
            message.Text("Report ").Name(read.reportFileName).Text(" not found!");
        }
    }
    if (!message.Empty()) {
        read.message = NotFoundHelp(std::move(message));
        read.reportFileName.clear();
        buttons.boxVisible = false;
    }
    return read;
}

SettingsPlaces SettingsPlacesFor(bool portable, const std::string& programDir,
                                 const std::string& configDir, const std::string& workingDir) {
    const auto in = [](const std::string& folder) {
        std::string path = folder;
        if (!path.empty() && path.back() != '/') {
            path += '/';
        }
        return path + SettingsFileName;
    };
    SettingsPlaces places;
    if (portable) {
        places.candidates.push_back(in(programDir));
    }
    if (!configDir.empty()) {
        places.candidates.push_back(in(configDir));
    }
    if (!portable) {
        for (const std::string& folder : {programDir, workingDir}) {
            if (!folder.empty() && in(folder) != in(configDir)) {
                places.imports.push_back(in(folder));
            }
        }
    }
    return places;
}

bool IsPortableProgramFolder(const std::filesystem::path& folder) {
    const std::string path = folder.lexically_normal().generic_string();
    for (const std::string_view system :
         {"/usr", "/opt", "/bin", "/sbin", "/lib", "/snap", "/nix"}) {
        if (path.starts_with(system) &&
            (path.size() == system.size() || path[system.size()] == '/')) {
            return false;
        }
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && ::access(path.c_str(), W_OK) == 0;
}

std::string FindSettingsFile(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        if (FileExists(path)) {
            return path;
        }
    }
    return {};
}

std::string WriteSettingsFile(const std::vector<std::string>& candidates,
                              const std::string& reportFileName, const std::string& tribeName) {
    const std::string bytes = JoinCrLf({reportFileName, tribeName});
    for (const std::string& path : candidates) {
        if (WriteWhole(path, bytes)) {
            return path;
        }
    }
    return {};
}

std::vector<std::string> TribeChoices(const Game& game) {
    std::vector<std::string> choices;
    choices.reserve(game.tribes.size());
    for (const TribeElem& tribe : game.tribes) {
        choices.push_back(std::to_string(tribe.number) + ". " + tribe.name);
    }
    return choices;
}

std::string TribeNameFromChoice(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::size_t start = dot == std::string_view::npos ? 1 : dot + 2;
    return start >= text.size() ? std::string() : std::string(text.substr(start));
}

} // namespace orv::report
