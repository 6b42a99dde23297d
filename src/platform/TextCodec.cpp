#include "platform/TextCodec.h"

#include "store/Cp1252.h"

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
    return fromFileText(error.message);
}

} // namespace velomark
