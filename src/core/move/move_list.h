#pragma once
// The move document: "BEGIN", the orders, "END" and the message lines, with the move file
// name and folder. Each order is kept in both display forms (OrderLine), so the list can be
// shown in either form at once and a display switch never changes or refuses an order.

#include "core/move/display_form.h"
#include "core/move/order_line.h"
#include "core/move/text_lines.h"
#include "core/report/message.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orv::move {

inline constexpr std::string_view MessageHeading = "Send message(s):";
inline constexpr std::string_view UnrecognizedCommandMessage =
    "Error in file: unrecognized command in line";

class MoveList {
  public:
    DisplayForm form = DisplayForm::Natural;
    std::filesystem::path fileName; // the move file; empty for a new move
    std::filesystem::path folder;   // folder of the last move file read; empty until one was read
    // The line of the file or text (from 1) that holds "BEGIN"; 0 when the text had none
    // and the frame was put in front of it. Line i of the list is line beginLine + i there.
    std::size_t beginLine = 1;

    // The lines as the move list shows them in `form`, counted from 0: "BEGIN", the orders,
    // "END", then (in natural form headed by "Send message(s):") the message lines.
    std::size_t Size() const;
    std::string_view Line(std::size_t i) const; // empty past the end
    std::vector<std::string> Lines() const;

    // Index of the "END" line; the orders lie between index 1 and this one.
    std::size_t EndLineIndex() const { return orders_.size() + 1; }
    bool IsOrderLine(std::size_t i) const { return i >= 1 && i < EndLineIndex(); }
    // The order shown at line i, which must be an order line.
    const OrderLine& Order(std::size_t i) const { return orders_[i - 1]; }
    // The line index of the first message line, the heading in natural form.
    std::size_t MessageBlockStart() const { return EndLineIndex() + 1; }
    bool HasMessages() const { return !messages_.empty(); }
    const TextLines& Messages() const { return messages_; }
    // The place in Messages() of line i, for a line inside the message block; the heading
    // counts as the first message line.
    std::size_t MessageIndex(std::size_t i) const;

    // The line as the move file holds it: frame lines, raw orders and message lines; the
    // natural heading has none and gives the empty text.
    std::string_view RawLine(std::size_t i) const;
    // The move file's bytes: every raw line followed by CR LF, without the heading.
    std::string RawText() const;

    // Editing. `at` and `i` are line indexes as Line() counts them.
    void InsertOrder(std::size_t at, OrderLine order);      // 1 <= at <= EndLineIndex()
    OrderLine TakeOrder(std::size_t i);                     // an order line
    OrderLine ReplaceOrder(std::size_t i, OrderLine order); // returns the old one
    void MoveOrder(std::size_t from, std::size_t to);       // both order lines
    // The message block becomes these lines; returns the old ones.
    TextLines ReplaceMessages(TextLines messages);

    // "BEGIN", "END", no file name; the folder and form stay.
    void NewMove();

    // "Your Move:" or "Your Move (" + file name without folder + "):".
    report::Message LabelText() const;

    // "Save" and "Reload" are offered only for a named move.
    bool CanSave() const { return !fileName.empty(); }

    bool operator==(const MoveList&) const = default;

  private:
    std::vector<OrderLine> orders_;
    TextLines messages_;
};

// The file name without its folder; both '/' and '\' end a folder.
std::string_view FileNameOnly(std::string_view path);

// The folder part of a path, without the trailing separator; empty when there is none.
std::string FolderOf(std::string_view path);

} // namespace orv::move
