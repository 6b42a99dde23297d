#include "platform/StorableText.h"

#include "formats/Cp1252.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace velomark {

QString firstUnstorable(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (!encodeCp1252(c))
            return QString::fromUcs4(&c, 1);
    }
    return QString();
}

QString unstorableReason(const QString& text) {
    const QString c = firstUnstorable(text);
    return c.isEmpty()
               ? QString()
               : QCoreApplication::translate("velomark::StorableTextValidator",
                                             "The character %1 cannot be stored in Velomark's "
                                             "files.")
                     .arg(c);
}

StorableTextValidator::StorableTextValidator(QLineEdit* field, int typingLimit, Refused refused)
    : QValidator(field), m_limit(typingLimit), m_refused(std::move(refused)) {
    // QLineEdit cuts any text it is given to its maximum length; the typing
    // limit is kept here instead, so a longer stored text is shown whole.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setValidator(this);
    connect(field, &QLineEdit::textChanged, this, &StorableTextValidator::expect);
}

void StorableTextValidator::expect(const QString& text) {
    m_length = text.size();
    m_quotes = text.count(QLatin1Char('"'));
}

void setFieldText(QLineEdit* field, const QString& text) {
    if (auto* v = field->findChild<StorableTextValidator*>(QString(), Qt::FindDirectChildrenOnly))
        v->expect(text);
    field->setText(text);
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const {
    QString why;
    if (input.count(QLatin1Char('"')) > m_quotes)
        why = QCoreApplication::translate("velomark::StorableTextValidator",
                                          "A double quote (\") cannot be stored in Velomark's "
                                          "files.");
    else
        why = unstorableReason(input);
    if (!why.isEmpty()) {
        if (m_refused)
            m_refused(why);
        return Invalid;
    }
    if (m_limit > 0 && input.size() > std::max<qsizetype>(m_limit, m_length))
        return Invalid;
    return Acceptable;
}

} // namespace velomark
