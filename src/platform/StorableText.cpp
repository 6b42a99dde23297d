#include "platform/StorableText.h"

#include "store/Cp1252.h"

namespace velomark {

QString unstorableReason(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c == U'"')
            return QStringLiteral("A double quote (\") cannot be stored in Velomark's files.");
        if (!encodeCp1252(c))
            return QStringLiteral("The character %1 cannot be stored in Velomark's files.")
                .arg(QString::fromUcs4(&c, 1));
    }
    return QString();
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const {
    const QString why = unstorableReason(input);
    if (why.isEmpty())
        return Acceptable;
    if (m_refused)
        m_refused(why);
    return Invalid;
}

} // namespace velomark
