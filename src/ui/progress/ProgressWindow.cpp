#include "ui/progress/ProgressWindow.h"

#include "laps/ProgressChart.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"
#include "ui/progress/ChartView.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace velomark {

ProgressWindow::ProgressWindow(ProgressInput input, QWidget* parent)
    : QWidget(parent, Qt::Window), m_input(std::move(input)) {
    setObjectName(QStringLiteral("frmprogress"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString heading = shownHeading(m_input.circuit);
    //: %1 is the circuit's name and country.
    setWindowTitle(tr("Progress - %1").arg(heading));
    //: %1 is the circuit's name and country.
    setAccessibleName(tr("Progress of the lap times at %1").arg(heading));

    m_view = new ChartView(heading, this);
    m_view->setMinimumSize(720, 440);
    m_sentence = plainLabel(QString(), this);
    m_sentence->setObjectName(QStringLiteral("sentence"));
    m_sentence->setWordWrap(true);
    cmdclose = new QPushButton(tr("Close"), this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_sentence);
    outer->addWidget(m_view, 1);
    outer->addWidget(cmdclose, 0, Qt::AlignRight);
    cmdclose->setFocus();
}

void ProgressWindow::load(const std::string& historyPath) {
    const CircuitChoice& c = m_input.circuit;
    const Result<HistoryRead> history =
        readHistory(historyPath, HistoryFilter{c.trackset, c.number});
    if (!history) {
        m_sentence->setText(messageText(history.error()));
        m_view->hide();
        return;
    }
    const std::optional<ProgressChart> chart =
        progressChart(history->rows, c.trackset, c.number, m_input.storedLaps, m_input.idealLap);
    if (!chart) {
        m_sentence->setText(tr("No lap time of this circuit has been saved since Velomark began "
                               "keeping its history, so there is no progress to draw yet."));
        m_view->hide();
        return;
    }
    m_view->setChart(*chart);
    QString sentence = tr("Hover over a point to see its time, date and setup; on the chart, Left "
                          "and Right step from point to point.");
    if (history->cut)
        sentence += QLatin1Char(' ') + tr("The history is long, so only its last 64 MB were read.");
    m_sentence->setText(sentence);
}

} // namespace velomark
