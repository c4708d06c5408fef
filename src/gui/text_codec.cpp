#include "gui/text_codec.h"

#include "core/report/code_page.h"
#include "gui/services.h"

#include <QByteArray>
#include <QFile>
#include <QTextDocument>

namespace orv::gui {

namespace {

QByteArray Bytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QString FromText(std::string_view bytes) {
    return QString::fromStdString(report::Utf8FromWindows1252(bytes));
}

std::string ToText(const QString& text, std::vector<report::LostCharacter>* lost) {
    return report::Windows1252FromUtf8(text.toStdString(), lost);
}

bool KeepsUnwritable(Notifier& messages, const QString& text, bool byLine) {
    std::vector<report::LostCharacter> lost;
    ToText(text, &lost);
    return lost.empty() ||
           messages.Confirm(QString::fromStdString(report::LostCharactersQuestion(lost, byLine)),
                            true);
}

QString PlainTextOf(const QTextDocument& document) {
    // toPlainText() would also turn no-break spaces into blanks; the raw text keeps them.
    QString text = document.toRawText();
    for (QChar& c : text) {
        constexpr char16_t FrameStart = 0xFDD0;
        constexpr char16_t FrameEnd = 0xFDD1;
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == FrameStart ||
            u == FrameEnd) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(Bytes(path.native()));
}

namespace {

// A file name as a message shows it: UTF-8 as the system writes names, and a name that is
// no UTF-8 (written on a Latin-1 system, or unpacked from an old archive) byte for byte as
// Latin-1, never with replacement marks.
QString NameForMessage(const std::string& bytes) {
    return report::IsUtf8(bytes)
               ? QString::fromStdString(bytes)
               : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QString FromMessage(const report::Message& message) {
    QString text;
    for (const report::Message::Part& part : message.Parts()) {
        text += part.fileName ? NameForMessage(part.bytes) : FromText(part.bytes);
    }
    return text;
}

std::string ToPath(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromCrLfText(std::string_view bytes) {
    QString text = FromText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace orv::gui
