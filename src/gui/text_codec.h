#pragma once
// Conversions at the widget boundary: report and move texts are Windows-1252 bytes, file
// paths are the platform's 8-bit file names.

#include "core/report/code_page.h"
#include "core/report/message.h"

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QTextDocument;

namespace orv::gui {

class Notifier;

// Windows-1252 bytes to text for a widget.
QString FromText(std::string_view bytes);

// Widget text to Windows-1252 bytes; characters outside the code page become "?" and are
// listed in lost when it is given.
std::string ToText(const QString& text, std::vector<report::LostCharacter>* lost = nullptr);

// Whether text may go on: true when Windows-1252 holds all of it, else the user's answer to
// the question that says which characters would become "?" and where. byLine: the text has
// lines (the places then name their lines).
bool KeepsUnwritable(Notifier& messages, const QString& text, bool byLine);

// The text of a text field's document as the user typed it: lines separated by LF, and
// no-break spaces kept, which QTextDocument::toPlainText() turns into blanks.
QString PlainTextOf(const QTextDocument& document);

// A file path as the core holds it (local 8-bit bytes) to text and back.
QString FromPath(const std::filesystem::path& path);
std::string ToPath(const QString& path);

// A message of the core: its texts decoded as Windows-1252, its file names as paths.
QString FromMessage(const report::Message& message);

// Text whose lines the core separates with CR LF, for a widget that separates with LF.
QString FromCrLfText(std::string_view bytes);

} // namespace orv::gui
