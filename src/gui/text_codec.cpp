#include "gui/text_codec.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace orv::gui {

namespace {

QByteArray Bytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QString FromText(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) {
        return QString::fromLatin1(Bytes(bytes));
    }
    return decoder.decode(Bytes(bytes));
}

std::string ToText(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(Bytes(path.native()));
}

QString FromMessage(const report::Message& message) {
    QString text;
    for (const report::Message::Part& part : message.Parts()) {
        text += part.fileName ? FromPath(part.bytes) : FromText(part.bytes);
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
