#include "app/LanguageChoice.h"

#include "platform/Language.h"
#include "platform/Messages.h"
#include "platform/WidgetLook.h"

#include <QLabel>

namespace velomark {

LanguageChoice::LanguageChoice(QWidget* parent, const QRect& where)
    : QComboBox(parent), m_label(new QLabel(tr("&Language"), parent)) {
    setObjectName(QStringLiteral("cmblanguage"));
    //: The About box's choice of the language Velomark speaks.
    setAccessibleName(tr("Language"));
    m_label->setObjectName(QStringLiteral("lbllanguage"));
    m_label->setBuddy(this);
    const int labelWidth = std::max(m_label->sizeHint().width(), where.width() / 3);
    m_label->setGeometry(where.left(), where.top(), labelWidth, where.height());
    setGeometry(where.left() + labelWidth + 4, where.top(), where.width() - labelWidth - 4,
                where.height());

    //: Follow the language of the desktop (the system's display language).
    addItem(tr("Desktop's"), QString());
    for (const Language& language : languages())
        addItem(language.name, language.code); // each named in itself, never translated
    const int remembered = findData(rememberedLanguage());
    setCurrentIndex(remembered < 0 ? 0 : remembered);
    shrinkToFit(this);
    connect(this, &QComboBox::activated, this, &LanguageChoice::chosen);
}

void LanguageChoice::chosen(int index) {
    const QString code = itemData(index).toString();
    if (code == rememberedLanguage())
        return;
    rememberLanguage(code);
    showMessage(
        window(),
        {QString(), code.isEmpty()
                        ? tr("From its next start Velomark speaks the desktop's language.")
                        : tr("From its next start Velomark speaks %1.").arg(itemText(index))});
}

} // namespace velomark
