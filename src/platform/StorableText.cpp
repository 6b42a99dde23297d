// The store's character rule (formats/FieldLine.h) as a validator, and the
// refusals in the player's words.
#include "platform/StorableText.h"

#include "formats/Cp1252.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace velomark {

namespace {

std::u32string ucs4(const QString& text) {
    const QList<uint> chars = text.toUcs4();
    return std::u32string(chars.begin(), chars.end());
}

} // namespace

QString firstUnstorable(const QString& text) {
    const std::optional<char32_t> c = firstUnstorable(ucs4(text));
    return c ? QString::fromUcs4(&*c, 1) : QString();
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
    : QValidator(field), m_limit(static_cast<std::size_t>(std::max(typingLimit, 0))),
      m_refused(std::move(refused)) {
    // QLineEdit cuts any text it is given to its maximum length; the typing
    // limit is kept here instead, so a longer stored text is shown whole.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setValidator(this);
    connect(field, &QLineEdit::textChanged, this, &StorableTextValidator::expect);
}

void StorableTextValidator::expect(const QString& text) {
    const std::u32string chars = ucs4(text);
    m_now = {chars.size(), static_cast<std::size_t>(std::count(chars.begin(), chars.end(), U'"'))};
}

void setFieldText(QLineEdit* field, const QString& text) {
    if (auto* v = field->findChild<StorableTextValidator*>(QString(), Qt::FindDirectChildrenOnly))
        v->expect(text);
    field->setText(text);
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const {
    QString why;
    switch (typingRefusal(ucs4(input), m_now, m_limit)) {
    case TypingRefusal::None:
        return Acceptable;
    case TypingRefusal::TooLong:
        return Invalid;
    case TypingRefusal::DoubleQuote:
        why = QCoreApplication::translate("velomark::StorableTextValidator",
                                          "A double quote (\") cannot be stored in Velomark's "
                                          "files.");
        break;
    case TypingRefusal::Character:
        why = unstorableReason(input);
        break;
    }
    if (m_refused)
        m_refused(why);
    return Invalid;
}

} // namespace velomark
