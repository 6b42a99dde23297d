#include "platform/TextCodec.h"

#include "formats/Cp1252.h"
#include "platform/Translated.h"

#include <QList>

namespace velomark {

QString fromFileText(const std::string& bytes) {
    const std::u32string text = decodeCp1252(bytes);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> toFileText(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    std::u32string chars(ucs4.begin(), ucs4.end());
    return encodeCp1252(chars);
}

} // namespace velomark

namespace velomark {

QString messageText(const Error& error) {
    if (error.text.source() != nullptr)
        return shown(error.text);
    const std::string& m = error.message;
    const std::string& path = error.path;
    QString text;
    size_t from = 0;
    for (size_t at = path.empty() ? std::string::npos : m.find(path); at != std::string::npos;
         at = m.find(path, from)) {
        text += fromFileText(m.substr(from, at - from)) + fromDiskName(path);
        from = at + path.size();
    }
    return text + fromFileText(m.substr(from));
}

std::string diskName(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString fromDiskName(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace velomark
