// Every window's texts against the contrast floor, on a light palette, on a
// dark one, and on a dark one chosen while the windows are open, as a desktop
// switching its theme does.
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "catalogue/CustomWindow.h"
#include "catalogue/InitWindow.h"
#include "editor/LapTimeEditor.h"
#include "history/CsvExportWindow.h"
#include "history/ProgressModule.h"
#include "hotlap/HotlapImportWindow.h"
#include "hotlap/SlotChoiceWindow.h"
#include "hotlap/WaitWindow.h"
#include "platform/WidgetLook.h"
#include "reports/ClipboardExportWindow.h"
#include "reports/ExportChooser.h"
#include "reports/HtmlExportWindow.h"
#include "reports/PrintWindow.h"
#include "reports/ScreenExportWindow.h"
#include "reports/ScreenView.h"
#include "reports/TextExportWindow.h"

#include "support/Windows.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QtTest>

#include <memory>
#include <vector>

using namespace velomark;
using namespace velomark::test;

namespace {

// A dark desktop palette, as GTK's Adwaita dark theme gives Qt.
QPalette darkPalette() {
    QPalette p(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (auto [role, colour] :
         {std::pair{QPalette::WindowText, 0xeeeeec}, std::pair{QPalette::ButtonText, 0xeeeeec},
          std::pair{QPalette::Text, 0xeeeeec}, std::pair{QPalette::Base, 0x2d2d2d},
          std::pair{QPalette::Link, 0x8ab4f8}})
        p.setColor(role, QColor::fromRgb(colour));
    return p;
}

struct Pair {
    QColor text, ground;
};

// The colour a widget draws its text in and the colour behind it; nothing
// for widgets without text of their own.
std::optional<Pair> colours(QWidget* w) {
    const QPalette p = w->palette();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A link's colour stands in its page.
        static const QRegularExpression link(QStringLiteral("<a [^>]*color:(#[0-9a-f]{6})"));
        const QRegularExpressionMatch m = link.match(l->text());
        return Pair{m.hasMatch() ? QColor(m.captured(1)) : p.color(QPalette::WindowText),
                    p.color(QPalette::Window)};
    }
    if (qobject_cast<QPushButton*>(w))
        return Pair{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w))
        return Pair{p.color(QPalette::WindowText), p.color(QPalette::Window)};
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
        qobject_cast<QListWidget*>(w))
        return Pair{p.color(QPalette::Text), p.color(QPalette::Base)};
    return std::nullopt;
}

// Every enabled text of the window under the floor, as "name: ratio".
QStringList illegible(QWidget* window) {
    QStringList out;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        // A disabled control may be dim: it says it cannot be used.
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        if (const std::optional<Pair> c = colours(w)) {
            const double ratio = contrastRatio(c->text, c->ground);
            if (ratio < kContrastFloor)
                out << QStringLiteral("%1/%2 %3 on %4: %5")
                           .arg(window->objectName(), w->objectName(), c->text.name(),
                                c->ground.name())
                           .arg(ratio, 0, 'f', 2);
        }
    }
    return out;
}

// One of each window, shown.
std::vector<std::unique_ptr<QWidget>> everyWindow() {
    const CircuitChoice monza{Trackset::Standard, 12, "Monza\nItaly"};
    std::vector<std::unique_ptr<QWidget>> out;
    out.emplace_back(new MainWindow);
    out.emplace_back(new AboutBox);
    out.emplace_back(new InitWindow);
    out.emplace_back(new CustomWindow);
    out.emplace_back(new LapTimeEditor(monza));
    out.emplace_back(new HotlapImportWindow(monza));
    out.emplace_back(new SlotChoiceWindow);
    out.emplace_back(new WaitWindow);
    out.emplace_back(new ExportChooser);
    out.emplace_back(new PrintWindow);
    out.emplace_back(new ClipboardExportWindow);
    out.emplace_back(new HtmlExportWindow);
    out.emplace_back(new TextExportWindow);
    out.emplace_back(new ScreenExportWindow);
    out.emplace_back(new CsvExportWindow);
    out.emplace_back(ScreenView::shared());
    out.emplace_back(openProgressWindow({monza, {}, std::nullopt}, "history.csv", nullptr));
    for (const auto& w : out) {
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
    }
    return out;
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextStandsOutOnLightAndDarkPalettes() {
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
        ScopedWorkDir dir;
        FakeMessages msgs;
        const QPalette light = QApplication::style()->standardPalette();
        for (const char* order : {"light", "dark", "light, then dark"}) {
            const QString how = QString::fromLatin1(order);
            QApplication::setPalette(how == QLatin1String("dark") ? darkPalette() : light);
            const auto windows = everyWindow();
            if (how.endsWith(QLatin1String("dark")))
                QApplication::setPalette(darkPalette());
            QStringList found;
            for (const auto& w : windows)
                found << illegible(w.get());
            QVERIFY2(found.isEmpty(),
                     qPrintable(how + QStringLiteral(": ") + found.join(QStringLiteral("; "))));
        }
        QApplication::setPalette(light);
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
