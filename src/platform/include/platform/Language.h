// The language Velomark speaks: the one named by --language, else the one the
// player chose in the About box, else the desktop's. English is the source
// language; the others come from velomark_<code>.qm files beside the program
// (or in share/velomark/translations under its prefix), with Qt's own texts
// for its dialogs from Qt's translations.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velomark {

struct Language {
    QString code; // "de"; empty for the desktop's language
    QString name; // in the language itself: "Deutsch"
};

// The languages Velomark speaks, English first.
const std::vector<Language>& languages();

// The language of a locale's code: "de" of "de", "de_AT", "de-Latn-DE";
// "c" of the C locale.
QString languageOf(const QString& code);

// The code given with --language CODE (or --language=CODE), else the one
// remembered from the About box; empty to follow the desktop.
QString chosenLanguage(const QStringList& arguments);

// The About box's choice, kept in the player's settings (empty: the desktop's).
QString rememberedLanguage();
void rememberLanguage(const QString& code);

// Installs the translations for code, or for the desktop's first language
// that Velomark speaks when code is empty, unless that is English. Returns
// the code spoken ("en" for English). The translations it installed before
// are taken out first.
QString speak(const QString& code);
// The same with Velomark's translations looked for in folders.
QString speak(const QString& code, const QStringList& folders);

// The code of the language the program speaks now ("en", "de"...), as its
// translation gives it: what an HTML report declares.
QString spokenLanguage();

} // namespace velomark
