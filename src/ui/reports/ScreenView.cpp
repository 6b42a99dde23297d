#include "ui/reports/ScreenView.h"

#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace velomark {

namespace {

QPointer<ScreenView> g_view;

QFont viewFont() {
    QFont f = fixedPitchFont(QStringLiteral("Courier New"));
    f.setPointSizeF(8.25);
    f.setWeight(QFont::Normal);
    return f;
}

} // namespace

ScreenView* ScreenView::shared() {
    if (!g_view)
        g_view = new ScreenView;
    return g_view;
}

ScreenView::ScreenView() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Viewing Lap Times"));

    view = new QPlainTextEdit(this);
    view->setObjectName(QStringLiteral("view"));
    view->setAccessibleName(tr("Lap times report"));
    view->setReadOnly(true); // selecting and copying still work; nothing is written back
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setFont(viewFont());
    // Tab stops every eight characters put the session columns under the
    // column header.
    const QFontMetricsF metrics(view->font()); // whole pixels would drift across the line
    view->setTabStopDistance(8 * metrics.horizontalAdvance(QLatin1Char(' ')));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), px(120), px(120), px(120));
    layout->addWidget(view);
    // Room for the widest line, the 103-character rule, beside the scroll bar.
    resize(qRound(metrics.horizontalAdvance(QString(108, u'-'))) + 40, 480);
}

void ScreenView::setReportText(const std::string& bytes) {
    QString text = fromFileText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    view->setPlainText(text);
}

} // namespace velomark
