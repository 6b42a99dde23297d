// Every window's texts against the contrast floor on a dark palette, set before
// the windows open or while they are open, as when a desktop switches themes.
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "laps/History.h"
#include "laps/TimeDifferences.h"
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
#include <QGroupBox>
#include <QRegularExpression>
#include <QStyle>
#include <QtTest>

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
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
