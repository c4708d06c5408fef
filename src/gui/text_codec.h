#pragma once
// Conversions at the widget boundary: report and move texts are Windows-1252 bytes, file
// paths are the platform's 8-bit file names.

#include "core/report/message.h"

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace orv::gui {

// Windows-1252 bytes to text for a widget.
QString FromText(std::string_view bytes);

// Widget text to Windows-1252 bytes; characters outside the code page become "?".
std::string ToText(const QString& text);

// A file path as the core holds it (local 8-bit bytes) to text and back.
QString FromPath(const std::filesystem::path& path);
std::string ToPath(const QString& path);

// A message of the core: its texts decoded as Windows-1252, its file names as paths.
QString FromMessage(const report::Message& message);

// Text whose lines the core separates with CR LF, for a widget that separates with LF.
QString FromCrLfText(std::string_view bytes);

} // namespace orv::gui
