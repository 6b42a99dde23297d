#include "history/ProgressWindow.h"

#include "history/ProgressChart.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"
#include "store/Dates.h"
#include "store/TimeText.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velomark {

namespace {

QString pointText(const ProgressPoint& p, RecordSession s) {
    QString text = QStringLiteral("%1 %2\n%3")
                       .arg(QString::fromLatin1(recordSessionName(s)), QString::fromUtf8(p.lap),
                            QDateTime::fromSecsSinceEpoch(p.unixSeconds)
                                .toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (!p.setup.empty())
        text += QStringLiteral("\nSetup: ") + QString::fromUtf8(p.setup);
    return text;
}

} // namespace

ProgressWindow::ProgressWindow(ProgressInput input, QWidget* parent)
    : QWidget(parent, Qt::Window), m_input(std::move(input)) {
    setObjectName(QStringLiteral("frmprogress"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString heading = fromFileText(customHeading(m_input.circuit.caption));
    setWindowTitle(QStringLiteral("Progress - ") + heading);
    setAccessibleName(QStringLiteral("Progress of the lap times at ") + heading);

    m_chart = new QChart;
    // On a dark desktop the chart is dark too, not a white panel in a dark window.
    if (palette().color(QPalette::Window).lightness() < 128)
        m_chart->setTheme(QChart::ChartThemeDark);
    m_chart->setTitle(heading.toHtmlEscaped()); // the chart reads its title as markup
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("chart"));
    m_view->setAccessibleName(QStringLiteral("Lap times over the dates they were saved"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(720, 440);
    m_sentence = plainLabel(QString(), this);
    m_sentence->setObjectName(QStringLiteral("sentence"));
    m_sentence->setWordWrap(true);
    cmdclose = new QPushButton(QStringLiteral("Close"), this);
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
        m_sentence->setText(
            QStringLiteral("No lap time of this circuit has been saved since Velomark began "
                           "keeping its history, so there is no progress to draw yet."));
        m_view->hide();
        return;
    }
    draw(*chart);
    m_sentence->setText(
        QStringLiteral("Hover over a point to see its time, date and setup.%1")
            .arg(history->cut ? QStringLiteral(" The history is long, so only its last 64 MB "
                                               "were read.")
                              : QString()));
}

// One line per session, the stored bests marked, the ideal lap dashed across.
void ProgressWindow::draw(const ProgressChart& chart) {
    const QColor background = palette().color(QPalette::Window);
    std::vector<QXYSeries*> drawn;
    auto* best = new QScatterSeries;
    best->setName(QStringLiteral("Stored best"));
    best->setMarkerSize(14);
    best->setColor(legibleOn(QColor(200, 0, 0), background));
    for (const ProgressLine& line : chart.lines) {
        auto* series = new QLineSeries;
        series->setName(QString::fromLatin1(recordSessionName(line.session)));
        series->setPointsVisible(true);
        QList<QPointF> xy;
        for (const ProgressPoint& p : line.points)
            xy.append(QPointF(double(p.unixSeconds) * 1000, p.seconds));
        series->replace(xy);
        if (line.best)
            best->append(xy[static_cast<qsizetype>(*line.best)]);
        showPointOnHover(series, line);
        drawn.push_back(series);
    }
    if (best->count() > 0)
        drawn.push_back(best);
    else
        delete best;
    if (chart.idealLap) {
        auto* ideal = new QLineSeries;
        ideal->setName(QStringLiteral("Ideal lap ") +
                       QString::fromStdString(lapTimeText(*chart.idealLap)));
        ideal->append(double(chart.from) * 1000, *chart.idealLap);
        ideal->append(double(chart.to) * 1000, *chart.idealLap);
        QPen dashed(legibleOn(QColor(0, 128, 0), background));
        dashed.setStyle(Qt::DashLine);
        dashed.setWidth(2);
        ideal->setPen(dashed);
        drawn.push_back(ideal);
    }
    addAxes(chart, drawn);
}

void ProgressWindow::addAxes(const ProgressChart& chart, const std::vector<QXYSeries*>& drawn) {
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("yyyy-MM-dd"));
    dates->setTitleText(QStringLiteral("Date saved"));
    dates->setRange(QDateTime::fromSecsSinceEpoch(chart.from),
                    QDateTime::fromSecsSinceEpoch(chart.to));
    dates->setTickCount(6);
    auto* times = new QCategoryAxis;
    times->setTitleText(QStringLiteral("Lap time"));
    times->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    times->setRange(chart.bottom, chart.top);
    for (const TimeTick& tick : chart.ticks)
        times->append(QString::fromStdString(tick.label), tick.seconds);

    m_chart->addAxis(dates, Qt::AlignBottom);
    m_chart->addAxis(times, Qt::AlignLeft);
    for (QXYSeries* series : drawn) {
        m_chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(times);
    }
    m_chart->legend()->setAlignment(Qt::AlignBottom);
}

// Hovering over a line shows the point nearest in time to the pointer.
void ProgressWindow::showPointOnHover(QLineSeries* series, const ProgressLine& line) {
    connect(series, &QLineSeries::hovered, this,
            [this, points = line.points, s = line.session](const QPointF& at, bool entered) {
                if (!entered) {
                    QToolTip::hideText();
                    return;
                }
                const auto nearest = std::min_element(
                    points.begin(), points.end(), [&at](const auto& a, const auto& b) {
                        return std::abs(double(a.unixSeconds) * 1000 - at.x()) <
                               std::abs(double(b.unixSeconds) * 1000 - at.x());
                    });
                QToolTip::showText(
                    QCursor::pos(),
                    Qt::convertFromPlainText(pointText(*nearest, s), Qt::WhiteSpaceNoWrap), m_view);
            });
}

} // namespace velomark
