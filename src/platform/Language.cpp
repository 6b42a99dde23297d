#include "platform/Language.h"

#include "files/Sentence.h"
#include "platform/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace velomark {

namespace {

constexpr QLatin1StringView kLanguageKey("Language");

// Where Velomark's translations are: beside the program (Windows, and a
// build folder), or in the data folder of the prefix it is installed under.
QStringList ownFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {
        program.absoluteFilePath(QStringLiteral("translations")),
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral(VELOMARK_TRANSLATIONS_FROM_BIN)))};
}

// Qt's own translations, for its dialogs: the system's Qt, else a copy
// beside the program.
QStringList qtFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath())
                .absoluteFilePath(QStringLiteral("translations"))};
}

// The translators speak installed, taken out again when it speaks another language.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool install(const QString& file, const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator.get());
            installed().push_back(std::move(translator));
            return true;
        }
    }
    return false;
}

} // namespace

QString languageOf(const QString& code) {
    return code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

const std::vector<Language>& languages() {
    static const std::vector<Language> all{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QString::fromUtf8("Fran\xc3\xa7"
                                                 "ais")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("es"), QString::fromUtf8("Espa\xc3\xb1ol")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
    };
    return all;
}

QString chosenLanguage(const QStringList& arguments) {
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return arguments[i].mid(option.size() + 1);
    }
    return rememberedLanguage();
}

QString rememberedLanguage() {
    return userSettings().value(kLanguageKey).toString();
}

void rememberLanguage(const QString& code) {
    QSettings settings = userSettings();
    if (code.isEmpty())
        settings.remove(kLanguageKey);
    else
        settings.setValue(kLanguageKey, code);
}

QString speak(const QString& code) {
    return speak(code, ownFolders());
}

QString speak(const QString& code, const QStringList& folders) {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    const QStringList wanted = code.isEmpty() ? QLocale::system().uiLanguages() : QStringList{code};
    for (const QString& one : wanted) {
        const QString language = languageOf(one);
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return QStringLiteral("en");
        for (const Language& known : languages()) {
            if (known.code != language)
                continue;
            if (!install(QStringLiteral("velomark_") + language, folders))
                return QStringLiteral("en");
            install(QStringLiteral("qtbase_") + language, qtFolders());
            return language;
        }
    }
    return QStringLiteral("en");
}

QString spokenLanguage() {
    return QCoreApplication::translate(kLanguageCode.context, kLanguageCode.text);
}

} // namespace velomark
