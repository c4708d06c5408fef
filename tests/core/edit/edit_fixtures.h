#pragma once
// Small builders shared by the editing tests: field texts and moves written out in full.

#include "../move/move_builder.h"
#include "core/edit/dispatch.h"
#include "core/edit/order_fields.h"
#include "core/edit/read_back.h"
#include "core/move/move_list.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace orv::edit::testing {

using Lines = std::vector<std::string>;

// Field texts from slot 1 on; the slots not given stay empty.
inline OrderFields Fields(std::initializer_list<const char*> texts) {
    OrderFields f;
    std::size_t i = 0;
    for (const char* text : texts) {
        f.slot.at(i++) = text;
    }
    return f;
}

// Lines written as one text with '|' between them: "BEGIN|A|END".
inline Lines Split(const std::string& text) {
    Lines lines;
    for (std::size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 1) {
        bar = text.find('|', start);
        lines.push_back(text.substr(start, bar - start));
    }
    return lines;
}

using move::testing::Move;

} // namespace orv::edit::testing

namespace orv::edit {

// Readable failure output: the slots up to the last one given, quoted.
inline void PrintTo(const OrderFields& f, std::ostream* os) {
    std::size_t used = f.slot.size();
    while (used > 0 && f.slot[used - 1].empty()) {
        --used;
    }
    *os << "{";
    for (std::size_t i = 0; i < used; ++i) {
        *os << (i ? ", \"" : "\"") << f.slot[i] << "\"";
    }
    *os << "}";
}

inline void PrintTo(const EditedOrder& order, std::ostream* os) {
    *os << "kind " << static_cast<int>(order.kind) << " ";
    PrintTo(order.fields, os);
}

inline void PrintTo(const UserMessage& message, std::ostream* os) {
    *os << "message kind " << static_cast<int>(message.kind) << " \"" << message.text << "\"";
}

inline void PrintTo(const DialogRequest& request, std::ostream* os) {
    *os << "dialog for kind " << static_cast<int>(request.kind) << ", list form "
        << static_cast<int>(request.listForm) << " ";
    PrintTo(request.fields, os);
}

} // namespace orv::edit
