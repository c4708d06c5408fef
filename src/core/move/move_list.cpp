#include "core/move/move_list.h"

#include <algorithm>
#include <utility>

namespace orv::move {

namespace {

constexpr std::string_view BeginLine = "BEGIN";
constexpr std::string_view EndLine = "END";

} // namespace

std::size_t MoveList::Size() const {
    const bool heading = form == DisplayForm::Natural && HasMessages();
    return orders_.size() + 2 + (heading ? 1 : 0) + messages_.size();
}

std::size_t MoveList::MessageIndex(std::size_t i) const {
    const std::size_t start = MessageBlockStart();
    if (i <= start) {
        return 0;
    }
    return form == DisplayForm::Natural ? i - start - 1 : i - start;
}

std::string_view MoveList::Line(std::size_t i) const {
    if (i == 0) {
        return BeginLine;
    }
    if (IsOrderLine(i)) {
        const OrderLine& order = Order(i);
        return form == DisplayForm::Natural ? order.natural : order.raw;
    }
    if (i == EndLineIndex()) {
        return EndLine;
    }
    if (i >= Size()) {
        return {};
    }
    if (form == DisplayForm::Natural && i == MessageBlockStart()) {
        return MessageHeading;
    }
    return messages_[MessageIndex(i)];
}

std::vector<std::string> MoveList::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(Size());
    for (std::size_t i = 0; i < Size(); ++i) {
        lines.emplace_back(Line(i));
    }
    return lines;
}

std::string_view MoveList::RawLine(std::size_t i) const {
    if (IsOrderLine(i)) {
        return Order(i).raw;
    }
    if (form == DisplayForm::Natural && HasMessages() && i == MessageBlockStart()) {
        return {};
    }
    return Line(i);
}

std::string MoveList::RawText() const {
    std::size_t size = BeginLine.size() + EndLine.size() + 4;
    for (const OrderLine& order : orders_) {
        size += order.raw.size() + 2;
    }
    for (const std::string_view message : messages_) {
        size += message.size() + 2;
    }
    std::string text;
    text.reserve(size);
    const auto append = [&text](std::string_view line) {
        text += line;
        text += "\r\n";
    };
    append(BeginLine);
    for (const OrderLine& order : orders_) {
        append(order.raw);
    }
    append(EndLine);
    for (const std::string_view message : messages_) {
        append(message);
    }
    return text;
}

void MoveList::InsertOrder(std::size_t at, OrderLine order) {
    orders_.insert(orders_.begin() + static_cast<std::ptrdiff_t>(at - 1), std::move(order));
}

OrderLine MoveList::TakeOrder(std::size_t i) {
    const auto it = orders_.begin() + static_cast<std::ptrdiff_t>(i - 1);
    OrderLine taken = std::move(*it);
    orders_.erase(it);
    return taken;
}

OrderLine MoveList::ReplaceOrder(std::size_t i, OrderLine order) {
    std::swap(orders_[i - 1], order);
    return order;
}

void MoveList::MoveOrder(std::size_t from, std::size_t to) {
    const auto at = [this](std::size_t line) {
        return orders_.begin() + static_cast<std::ptrdiff_t>(line - 1);
    };
    if (from < to) {
        std::rotate(at(from), at(from) + 1, at(to) + 1);
    } else if (to < from) {
        std::rotate(at(to), at(from), at(from) + 1);
    }
}

TextLines MoveList::ReplaceMessages(TextLines messages) {
    std::swap(messages_, messages);
    return messages;
}

void MoveList::NewMove() {
    orders_.clear();
    messages_ = TextLines();
    fileName.clear();
}

report::Message MoveList::LabelText() const {
    if (fileName.empty()) {
        return {"Your Move:"};
    }
    return report::Message().Text("Your Move (").Name(FileNameOnly(fileName.native())).Text("):");
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
