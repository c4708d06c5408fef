#include "core/move/move_list.h"

#include "core/move/convert.h"

#include <utility>

namespace orv::move {

void MoveList::NewMove() {
    lines = {"BEGIN", "END"};
    fileName.clear();
}

std::string MoveList::Rebuild(DisplayForm target) {
    std::vector<std::string> result;
    result.reserve(lines.size() + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "END") {
            result.emplace_back("END");
            std::size_t next = i + 1;
            if (target == DisplayForm::Natural && next < lines.size()) {
                result.emplace_back(MessageHeading);
            } else {
                // On the way to raw form the line after END is the natural heading.
                ++next;
            }
            for (; next < lines.size(); ++next) {
                result.push_back(std::move(lines[next]));
            }
            break;
        }
        std::string converted = ConvertLine(lines[i], target);
        if (converted.empty()) {
            std::string message(UnrecognizedCommandMessage);
            message += "\r\n";
            message += lines[i];
            NewMove();
            form = target;
            return message;
        }
        result.push_back(std::move(converted));
    }
    lines = std::move(result);
    form = target;
    return {};
}

std::string MoveList::SwitchDisplay(DisplayForm target) {
    return target == form ? std::string() : Rebuild(target);
}

std::size_t MoveList::EndLineIndex() const {
    for (std::size_t i = lines.size(); i > 1; --i) {
        if (lines[i - 1] == "END") {
            return i - 1;
        }
    }
    return 0;
}

std::string MoveList::LabelText() const {
    if (fileName.empty()) {
        return "Your Move:";
    }
    return "Your Move (" + std::string(FileNameOnly(fileName)) + "):";
}

std::string_view FileNameOnly(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

} // namespace orv::move
