#pragma once
// The move document: the lines of the move in the form they are shown in, with the move
// file name and folder, and its rebuild between the two display forms.

#include "core/move/display_form.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv::move {

inline constexpr std::string_view MessageHeading = "Send message(s):";
inline constexpr std::string_view UnrecognizedCommandMessage =
    "Error in file: unrecognized command in line";

class MoveList {
  public:
    // Lines in `form`: "BEGIN", the orders, "END", then the message block (in natural form
    // headed by "Send message(s):").
    std::vector<std::string> lines{"BEGIN", "END"};
    DisplayForm form = DisplayForm::Natural;
    std::string fileName; // full path of the move file; empty for a new move
    std::string folder;   // folder of the last move file read; empty until one was read

    // "BEGIN", "END", no file name; the folder and form stay.
    void NewMove();

    // Rewrites every line into the target form. A line that does not convert ends the
    // rebuild with a new move; the returned text is then the message to show as an error,
    // otherwise it is empty.
    std::string Rebuild(DisplayForm target);

    // Rebuilds only when the target differs from the form the lines are in, since a
    // rebuild into the same form would refuse the orders.
    std::string SwitchDisplay(DisplayForm target);

    // Index of the last line that is exactly "END", searching down to index 1; 0 if none.
    std::size_t EndLineIndex() const;

    // "Your Move:" or "Your Move (" + file name without folder + "):".
    std::string LabelText() const;

    // "Save" and "Reload" are offered only for a named move.
    bool CanSave() const { return !fileName.empty(); }
};

// The file name without its folder; both '/' and '\' end a folder.
std::string_view FileNameOnly(std::string_view path);

// The folder part of a path, without the trailing separator; empty when there is none.
std::string FolderOf(std::string_view path);

} // namespace orv::move
