#include "history/ProgressWindow.h"

#include "history/ProgressChart.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"
#include "store/Cp1252.h"
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
#include <limits>

namespace velomark {

namespace {

// A step for the time axis that gives four to eight labels over span seconds.
double tickStep(double span) {
    for (double step : {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0})
        if (span / step <= 8)
            return step;
    return 60 * std::ceil(span / 480);
}

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
    double low = std::numeric_limits<double>::max(), high = std::numeric_limits<double>::lowest();
    std::int64_t first = std::numeric_limits<std::int64_t>::max(), last = 0;
    auto* best = new QScatterSeries;
    best->setName(QStringLiteral("Stored best"));
    best->setMarkerSize(14);
    best->setColor(legibleOn(QColor(200, 0, 0), palette().color(QPalette::Window)));

    std::vector<QXYSeries*> drawn;
    for (RecordSession s : kRecordSessions) {
        const std::vector<ProgressPoint> points =
            progressPoints(history->rows, c.trackset, c.number, s);
        if (points.empty())
            continue;
        auto* series = new QLineSeries;
        series->setName(QString::fromLatin1(recordSessionName(s)));
        series->setPointsVisible(true);
        QList<QPointF> xy;
        xy.reserve(static_cast<qsizetype>(points.size()));
        const std::string stored = cp1252ToUtf8(m_input.storedLaps[static_cast<size_t>(s)]);
        const ProgressPoint* storedPoint = nullptr;
        for (const ProgressPoint& p : points) {
            xy.append(QPointF(double(p.unixSeconds) * 1000, p.seconds));
            low = std::min(low, p.seconds);
            high = std::max(high, p.seconds);
            if (p.lap == stored)
                storedPoint = &p;
        }
        first = std::min(first, points.front().unixSeconds);
        last = std::max(last, points.back().unixSeconds);
        series->replace(xy);
        if (storedPoint)
            best->append(double(storedPoint->unixSeconds) * 1000, storedPoint->seconds);
        connect(series, &QLineSeries::hovered, this,
                [this, points, s](const QPointF& at, bool entered) {
                    if (!entered) {
                        QToolTip::hideText();
                        return;
                    }
                    // The point nearest in time to where the pointer is.
                    const auto nearest = std::min_element(
                        points.begin(), points.end(), [&at](const auto& a, const auto& b) {
                            return std::abs(double(a.unixSeconds) * 1000 - at.x()) <
                                   std::abs(double(b.unixSeconds) * 1000 - at.x());
                        });
                    QToolTip::showText(
                        QCursor::pos(),
                        Qt::convertFromPlainText(pointText(*nearest, s), Qt::WhiteSpaceNoWrap),
                        m_view);
                });
        drawn.push_back(series);
    }
    if (drawn.empty()) {
        delete best;
        m_sentence->setText(
            QStringLiteral("No lap time of this circuit has been saved since Velomark began "
                           "keeping its history, so there is no progress to draw yet."));
        m_view->hide();
        return;
    }
    if (best->count() > 0)
        drawn.push_back(best);
    else
        delete best;

    // A margin either side, so that a single date still makes a line and no
    // mark is cut at the edge.
    const std::int64_t margin = std::max<std::int64_t>(86400, (last - first) / 30);
    const qint64 from = (first - margin) * 1000;
    const qint64 to = (last + margin) * 1000;
    if (m_input.idealLap) {
        auto* ideal = new QLineSeries;
        ideal->setName(QStringLiteral("Ideal lap ") +
                       QString::fromStdString(lapTimeText(*m_input.idealLap)));
        ideal->append(double(from), *m_input.idealLap);
        ideal->append(double(to), *m_input.idealLap);
        QPen dashed(legibleOn(QColor(0, 128, 0), palette().color(QPalette::Window)));
        dashed.setStyle(Qt::DashLine);
        dashed.setWidth(2);
        ideal->setPen(dashed);
        low = std::min(low, *m_input.idealLap);
        high = std::max(high, *m_input.idealLap);
        drawn.push_back(ideal);
    }

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("yyyy-MM-dd"));
    dates->setTitleText(QStringLiteral("Date saved"));
    dates->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
    dates->setTickCount(6);

    // Lap times read as m.ss.sss on labels at round steps.
    const double step = tickStep(std::max(high - low, 0.05));
    const double bottom = std::floor(low / step) * step - step;
    const double top = std::ceil(high / step) * step + step;
    auto* times = new QCategoryAxis;
    times->setTitleText(QStringLiteral("Lap time"));
    times->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    times->setRange(bottom, top);
    for (int i = 0; bottom + i * step <= top + step / 2; ++i) {
        const double value = bottom + i * step;
        times->append(QString::fromStdString(lapTimeText(value)), value);
    }

    m_chart->addAxis(dates, Qt::AlignBottom);
    m_chart->addAxis(times, Qt::AlignLeft);
    for (QXYSeries* series : drawn) {
        m_chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(times);
    }
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_sentence->setText(
        QStringLiteral("Hover over a point to see its time, date and setup.%1")
            .arg(history->cut ? QStringLiteral(" The history is long, so only its last 64 MB "
                                               "were read.")
                              : QString()));
}

} // namespace velomark
