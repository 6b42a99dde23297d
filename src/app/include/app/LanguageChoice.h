// The About box's "Language" choice: the desktop's language or one of those
// Velomark speaks, each named in itself, remembered in the player's settings
// and spoken from the next start.
#pragma once

#include <QComboBox>
#include <QCoreApplication>

class QLabel;

namespace velomark {

class LanguageChoice : public QComboBox {
    Q_DECLARE_TR_FUNCTIONS(velomark::LanguageChoice)

  public:
    // The choice and its label, placed within where (twips: left, top, width, height).
    LanguageChoice(QWidget* parent, const QRect& where);

  private:
    void chosen(int index);
    QLabel* m_label;
};

} // namespace velomark
