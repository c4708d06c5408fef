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

namespace {

// A file name as a message shows it: UTF-8 as the system writes names, and a name that is
// no UTF-8 (written on a Latin-1 system, or unpacked from an old archive) byte for byte as
// Latin-1, never with replacement marks.
QString NameForMessage(const std::string& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);
    QString name = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        name = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return name;
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
