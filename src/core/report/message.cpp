#include "core/report/message.h"

#include "core/report/text_file.h"

namespace orv::report {

Message& Message::Text(std::string_view text) {
    if (!parts_.empty() && !parts_.back().fileName) {
        parts_.back().bytes += text;
    } else {
        parts_.push_back({false, std::string(text)});
    }
    return *this;
}

Message& Message::Name(const std::filesystem::path& fileName) {
    parts_.push_back({true, ShortName(fileName.native())});
    return *this;
}

std::string Message::Bytes() const {
    std::string bytes;
    for (const Part& part : parts_) {
        bytes += part.bytes;
    }
    return bytes;
}

} // namespace orv::report
