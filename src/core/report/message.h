#pragma once
// A message for the user made of texts and file names. Texts are Windows-1252 bytes, file
// names are the file system's bytes; the window decodes each part by its own rule, so a
// non-ASCII name and an 8-bit order text can stand in the same message. File names are cut
// in the middle to 200 characters.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

class Message {
  public:
    struct Part {
        bool fileName = false;
        std::string bytes;

        bool operator==(const Part&) const = default;
    };

    Message() = default;
    // A message of one text; a plain text converts to a message. NOLINT below: on purpose.
    Message(std::string_view text) { Text(text); }                        // NOLINT
    Message(const char* text) : Message(std::string_view(text)) {}        // NOLINT
    Message(const std::string& text) : Message(std::string_view(text)) {} // NOLINT

    Message& Text(std::string_view text);
    Message& Name(const std::filesystem::path& fileName);

    const std::vector<Part>& Parts() const { return parts_; }
    bool Empty() const { return parts_.empty(); }
    // Every part as it stands, for the command line, which passes bytes through.
    std::string Bytes() const;

    bool operator==(const Message&) const = default;

  private:
    std::vector<Part> parts_;
};

} // namespace orv::report
