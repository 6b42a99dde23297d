// Every window's texts against the contrast floor on a dark palette, set before
// the windows open or while they are open, as when a desktop switches themes;
// and in each language Velomark speaks.
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "laps/History.h"
#include "laps/TimeDifferences.h"
#include "platform/Language.h"
#include "platform/WidgetLook.h"
#include "ui/board/BoardModule.h"
#include "ui/catalogue/CustomWindow.h"
#include "ui/catalogue/InitWindow.h"
#include "ui/editor/LapTimeEditor.h"
#include "ui/hotlap/HotlapImportWindow.h"
#include "ui/hotlap/HotlapsModule.h"
#include "ui/hotlap/SlotChoiceWindow.h"
#include "ui/hotlap/WaitWindow.h"
#include "ui/progress/ProgressModule.h"
#include "ui/reports/ClipboardExportWindow.h"
#include "ui/reports/CsvExportWindow.h"
#include "ui/reports/ExportChooser.h"
#include "ui/reports/HtmlExportWindow.h"
#include "ui/reports/PrintWindow.h"
#include "ui/reports/ScreenExportWindow.h"
#include "ui/reports/ScreenView.h"
#include "ui/reports/TextExportWindow.h"

#include "support/Windows.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QtTest>

#include <map>
#include <tuple>

using namespace velomark;
using namespace velomark::test;

namespace {

// A dark desktop palette, as GTK's Adwaita dark theme gives Qt.
QPalette darkPalette() {
    const QColor text(0xee, 0xee, 0xec), grey(0x35, 0x35, 0x35);
    return QPalette(text, grey, grey.lighter(), grey.darker(), grey, text, Qt::white,
                    QColor(0x2d, 0x2d, 0x2d), grey);
}

// A widget's text colour and what is behind it, by the roles its kind draws
// with (a link's colour stands in its page); none where it has no text.
std::optional<std::pair<QColor, QColor>> colours(QWidget* w) {
    const QPalette p = w->palette();
    static const QRegularExpression link(QStringLiteral("<a [^>]*color:(#[0-9a-f]{6})"));
    if (auto* l = qobject_cast<QLabel*>(w); l && link.match(l->text()).hasMatch())
        return std::pair{QColor(link.match(l->text()).captured(1)), p.color(QPalette::Window)};
    if (qobject_cast<QPushButton*>(w))
        return std::pair{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
        qobject_cast<QGroupBox*>(w))
        return std::pair{p.color(QPalette::WindowText), p.color(QPalette::Window)};
    // The progress chart draws its texts as a view does.
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w) ||
        w->objectName() == QLatin1String("chart"))
        return std::pair{p.color(QPalette::Text), p.color(QPalette::Base)};
    return std::nullopt;
}

// Every text under the floor; a disabled control may be dim.
QStringList illegible(QWidget* window) {
    QStringList out;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>() << window;
    for (QWidget* w : widgets) {
        const auto c = w->isVisibleTo(window) && w->isEnabled() ? colours(w) : std::nullopt;
        if (c && contrastRatio(c->first, c->second) < kContrastFloor)
            out << window->objectName() + u'/' + w->objectName() + u' ' + c->first.name() +
                       QStringLiteral(" on ") + c->second.name();
    }
    return out;
}

// One of each window, shown.
QList<QWidget*> everyWindow() {
    const CircuitChoice monza{Trackset::Standard, 12, "Monza\nItaly"};
    QList<QWidget*> out;
    out << new MainWindow << new AboutBox << new InitWindow << new CustomWindow
        << new LapTimeEditor(monza) << new HotlapImportWindow(monza) << new SlotChoiceWindow
        << new WaitWindow << new ExportChooser << new PrintWindow << new ClipboardExportWindow
        << new HtmlExportWindow << new TextExportWindow << new ScreenExportWindow
        << new CsvExportWindow << ScreenView::shared()
        << openProgressWindow({monza, {}, std::nullopt}, "history.csv", nullptr)
        << hotlapsModule(nullptr)->hotlapsWindow(Trackset::Standard, {})
        << boardModule(nullptr)->bestsBoard(idealLapSeconds, {});
    for (QWidget* w : out) {
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
    }
    // The main window's line on a new hot lap, as it shows when one lands.
    out.front()->findChild<QLabel*>(QStringLiteral("hotlapnotice"))->show();
    return out;
}

using Texts = std::map<QString, QString>; // "window/control/what" -> text

void add(Texts& out, const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty())
        out[where] = text;
}

// What a player reads in window: captions, texts, tooltips, accessible
// names, choices and column heads.
Texts textsOf(QWidget* window) {
    Texts out;
    const QString name = window->objectName();
    add(out, name + QStringLiteral("/title"), window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QString at = name + u'/' + w->objectName() + u'/';
        add(out, at + QStringLiteral("tip"), w->toolTip());
        add(out, at + QStringLiteral("name"), w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w))
            add(out, at + QStringLiteral("text"), l->text());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(out, at + QStringLiteral("text"), b->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            add(out, at + QStringLiteral("text"), g->title());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(out, at + QString::number(i), c->itemText(i));
        else if (auto* h = qobject_cast<QHeaderView*>(w))
            for (int i = 0; i < h->count(); ++i)
                add(out, at + QString::number(i),
                    h->model()->headerData(i, h->orientation()).toString());
    }
    return out;
}

// A control whose text does not fit the room its window gives it.
QStringList cut(QWidget* window) {
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->width() == 0)
            continue;
        bool fits = true;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull())
            fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                 : l->sizeHint().width() <= l->width();
        else if (auto* b = qobject_cast<QPushButton*>(w)) {
            // The text inside the frame: Fusion's size hint asks any button
            // to be 80 pixels wide, whatever its text.
            const int frame = 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            const QSize text = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
            fits = text.width() <= b->width() - frame && text.height() <= b->height() - frame;
        } else if (auto* o = qobject_cast<QAbstractButton*>(w)) { // the text beside the mark
            const bool radio = qobject_cast<QRadioButton*>(w);
            const QStyle* s = o->style();
            const int mark = s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                  : QStyle::PM_IndicatorWidth,
                                            nullptr, o) +
                             s->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                  : QStyle::PM_CheckBoxLabelSpacing,
                                            nullptr, o);
            fits = o->fontMetrics().horizontalAdvance(o->text()) <= o->width() - mark;
        }
        if (!fits)
            out << window->objectName() + u'/' + w->objectName();
    }
    return out;
}

// A name, a time, a sign or an address, the same in every language: the
// circuits' buttons, the languages named in themselves, the main window's
// caption (other tools look it up), a link's target.
bool nameOrTime(const QString& where, const QString& text) {
    static const QRegularExpression sign(QStringLiteral("^[0-9.:, +/?-]*$"));
    static const QRegularExpression name(
        QStringLiteral("^frmMain/(t[0-9]+/|title)|^frmtimes/track/|/cmblanguage/[0-9]+$"));
    static const QRegularExpression address(QStringLiteral("^(file|mailto):"));
    return sign.match(text).hasMatch() || name.match(where).hasMatch() ||
           address.match(text).hasMatch();
}

// What a player reads in every window in language code, what is cut, and
// the Race time the editor then saves.
std::tuple<Texts, QStringList, std::string> shownIn(const QString& code) {
    speak(code, {QStringLiteral(VELOMARK_TRANSLATION_DIR)});
    Texts texts;
    QStringList cutTexts;
    const QList<QWidget*> windows = everyWindow();
    for (QWidget* w : windows) {
        texts.merge(textsOf(w));
        cutTexts << cut(w);
    }
    auto* editor = qobject_cast<LapTimeEditor*>(windows[4]);
    retype(editor, {{"rlap", "1.23.456"}, {"raset", "wet"}});
    clickButton(editor, "cmdsave");
    qDeleteAll(windows);
    return {texts, cutTexts, readBytes(QStringLiteral("set1.dat"))};
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextStandsOutOnADarkPalette() {
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeBytes(QStringLiteral("history.csv"), // a lap for the progress chart
                           std::string(kHistoryHeader) +
                               "\r\n\"2026-03-01T10:00:00Z\",\"Standard\",\"12\",\"x\","
                               "\"Practice\",\"1.31.000\",\"\",\"\",\"\",\"\"\r\n"));
        for (const bool switched : {false, true}) {
            QApplication::setPalette(switched ? QApplication::style()->standardPalette()
                                              : darkPalette());
            const QList<QWidget*> windows = everyWindow();
            QApplication::setPalette(darkPalette());
            QStringList found;
            for (QWidget* w : windows)
                found << illegible(w);
            qDeleteAll(windows);
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
        }
    }

    // Each language against English: none of its texts left in English but
    // names, times and words it shares with English, none cut by its control,
    // and SAVE writing the same bytes.
    void everyLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("same"); // the same word as in English
        // The Track Pack is a product's name; "OK" and "Standard" are words of
        // several languages.
        const QStringList names{QStringLiteral("TrackPack"), QStringLiteral("IA Track Pack")};
        const QString ok = QStringLiteral("OK"), standard = QStringLiteral("Standard");
        QTest::newRow("de") << "de"
                            << names + QStringList{ok,
                                                   standard,
                                                   QStringLiteral("Version 1.5"),
                                                   QStringLiteral("Export"),
                                                   QStringLiteral("Details"),
                                                   QStringLiteral("Session"),
                                                   QStringLiteral("IMPORT")};
        QTest::newRow("fr") << "fr"
                            << names + QStringList{ok,
                                                   standard,
                                                   QStringLiteral("Version 1.5"),
                                                   QStringLiteral("Circuit"),
                                                   QStringLiteral("Notes"),
                                                   QStringLiteral("Rival")};
        QTest::newRow("it") << "it" << names + QStringList{ok, standard, QStringLiteral("File")};
        QTest::newRow("es") << "es"
                            << names + QStringList{
                                           QStringLiteral("Hot laps"), QStringLiteral("Hot\nlaps"),
                                           QStringLiteral("Ideal"), QStringLiteral("Rival")};
        QTest::newRow("nl") << "nl"
                            << names + QStringList{ok,
                                                   QStringLiteral("Export"),
                                                   QStringLiteral("Printer"),
                                                   QStringLiteral("Circuit"),
                                                   QStringLiteral("Details"),
                                                   QStringLiteral("Race")};
    }

    void everyLanguage() {
        QFETCH(QString, code);
        QFETCH(QStringList, same);
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        const auto [english, englishCut, englishSaved] = shownIn(QStringLiteral("en"));
        QVERIFY(english.size() > 100);
        QVERIFY2(englishCut.isEmpty(), qPrintable(englishCut.join(u' ')));
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        const auto [shown, shownCut, saved] = shownIn(code);
        speak(QStringLiteral("en"), {});
        QCOMPARE(saved, englishSaved);
        QVERIFY2(shownCut.isEmpty(), qPrintable(shownCut.join(u' ')));
        QStringList left;
        for (const auto& [where, text] : english) {
            const auto translated = shown.find(where);
            if (translated != shown.end() && translated->second == text &&
                !nameOrTime(where, text) && !same.contains(text))
                left << where + QStringLiteral(": ") + text;
        }
        for (const QString& one : left) // each on a line of its own: the list is long
            qWarning("left in English: %s", qPrintable(one));
        QVERIFY2(left.isEmpty(), "texts left in English");
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
