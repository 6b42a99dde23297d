#include "ui/progress/ChartView.h"

#include "formats/NumberText.h"
#include "platform/WidgetLook.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <array>

namespace velomark {

namespace {

// QuickRace blue, Practice green, Qualifying orange, Race purple.
constexpr std::array<QRgb, 4> kSessionColours{0x209fdf, 0x99ca53, 0xf6a625, 0x6d5fd5};
constexpr double kMargin = 10;
constexpr double kDot = 3;     // the radius of a point's mark
constexpr double kBestDot = 7; // the radius of a stored best's mark
constexpr double kReach = 8;   // how far from a mark the pointer still finds it
constexpr double kSwatch = 22; // the length of a legend entry's sample line
constexpr int kTextFlags = Qt::TextDontClip | Qt::TextSingleLine;

// The colours the chart draws with, from the palette it has now.
struct Look {
    QColor text, base, grid, axis, best, ideal;
    std::array<QColor, 4> sessions;
};

QColor mixed(const QColor& a, const QColor& b, double shareOfA) {
    auto mix = [shareOfA](double x, double y) { return x * shareOfA + y * (1 - shareOfA); };
    return QColor::fromRgbF(float(mix(a.redF(), b.redF())), float(mix(a.greenF(), b.greenF())),
                            float(mix(a.blueF(), b.blueF())));
}

Look lookOf(const QPalette& palette) {
    Look look;
    look.text = palette.color(QPalette::Text);
    look.base = palette.color(QPalette::Base);
    look.grid = mixed(look.text, look.base, 0.12);
    look.axis = mixed(look.text, look.base, 0.45);
    // The sessions' colours were chosen on white: on a dark base they are lightened.
    const bool dark = look.base.lightness() < 128;
    for (size_t i = 0; i < look.sessions.size(); ++i) {
        const QColor design(kSessionColours[i]);
        look.sessions[i] = dark ? legibleOn(design, look.base) : design;
    }
    look.best = legibleOn(QColor(200, 0, 0), look.base);
    look.ideal = legibleOn(QColor(0, 128, 0), look.base);
    return look;
}

QString sessionName(RecordSession s) {
    return QString::fromLatin1(recordSessionName(s));
}

// The legend's names, asked for at each drawing, so that they are in the
// language of the translations loaded by then.
QString storedBest() {
    //: The legend's name for the mark on each session's stored best.
    return QCoreApplication::translate("velomark::ChartView", "Stored best");
}

QString idealName(double seconds) {
    //: The legend's name for the ideal lap's line; %1 is its lap time.
    return QCoreApplication::translate("velomark::ChartView", "Ideal lap %1")
        .arg(QString::fromStdString(lapTimeText(seconds)));
}

struct DateTick {
    std::int64_t at = 0;
    QString label;
};

// A round step of the date axis: days, or months (twelve and more: years).
struct DateStep {
    int days, months;
    const char* format;
};
constexpr DateStep kDateSteps[] = {
    {1, 0, "d MMM yyyy"}, {2, 0, "d MMM yyyy"}, {7, 0, "d MMM yyyy"}, {14, 0, "d MMM yyyy"},
    {0, 1, "MMM yyyy"},   {0, 2, "MMM yyyy"},   {0, 3, "MMM yyyy"},   {0, 6, "MMM yyyy"},
    {0, 12, "yyyy"},      {0, 24, "yyyy"},      {0, 60, "yyyy"},      {0, 120, "yyyy"},
    {0, 240, "yyyy"},     {0, 600, "yyyy"},     {0, 1200, "yyyy"}};

// Whether a step starts on d: its day number, or its month counted from
// year 0, is a whole number of steps.
bool startsStep(QDate d, const DateStep& step) {
    if (step.days)
        return d.toJulianDay() % step.days == 0;
    return d.day() == 1 && (d.year() * 12 + d.month() - 1) % step.months == 0;
}

// The local midnights from from to to that start a step, or nothing when
// there are more than limit.
std::vector<DateTick> datesAtStep(std::int64_t from, std::int64_t to, const DateStep& step,
                                  size_t limit) {
    std::vector<DateTick> ticks;
    QDate d = QDateTime::fromSecsSinceEpoch(from).date();
    if (step.months)
        d = QDate(d.year(), d.month(), 1);
    for (;;) {
        const std::int64_t at = QDateTime(d, QTime(0, 0)).toSecsSinceEpoch();
        if (at > to)
            return ticks;
        if (at >= from && startsStep(d, step)) {
            if (ticks.size() == limit)
                return {};
            // not translated: C's month names on every system, as the labels were
            ticks.push_back({at, QLocale::c().toString(d, QString::fromLatin1(step.format))});
        }
        d = step.days ? d.addDays(1) : d.addMonths(1);
    }
}

// The labels of the date axis at the smallest round step whose labels stand
// apart over width pixels.
std::vector<DateTick> dateTicks(std::int64_t from, std::int64_t to, double width,
                                const QFontMetricsF& fm) {
    const double gap = fm.height();
    const auto limit = static_cast<size_t>(std::max(width, 0.0) /
                                           (fm.horizontalAdvance(QStringLiteral("0000")) + gap)) +
                       1;
    std::vector<DateTick> ticks;
    for (const DateStep& step : kDateSteps) {
        ticks = datesAtStep(from, to, step, limit);
        bool apart = !ticks.empty();
        for (size_t i = 1; apart && i < ticks.size(); ++i) {
            const double room = double(ticks[i].at - ticks[i - 1].at) / double(to - from) * width;
            apart = room >= (fm.horizontalAdvance(ticks[i].label) +
                             fm.horizontalAdvance(ticks[i - 1].label)) /
                                    2 +
                                gap;
        }
        if (apart)
            return ticks;
    }
    return ticks;
}

struct LegendEntry {
    QString name;
    enum Mark { Line, Best, Ideal } mark = Line;
    RecordSession session = RecordSession::QuickRace; // a line's
    QPointF at; // the left end of its sample, on the middle of its text
};

std::vector<LegendEntry> legendOf(const ProgressChart& chart) {
    std::vector<LegendEntry> entries;
    bool best = false;
    for (const ProgressLine& line : chart.lines) {
        entries.push_back({sessionName(line.session), LegendEntry::Line, line.session, {}});
        best = best || line.best;
    }
    if (best)
        entries.push_back({storedBest(), LegendEntry::Best, {}, {}});
    if (chart.idealLap)
        entries.push_back({idealName(*chart.idealLap), LegendEntry::Ideal, {}, {}});
    return entries;
}

// Places the entries in rows, each centred, at the bottom of panel; returns
// the height of the rows.
double placeLegend(std::vector<LegendEntry>& entries, const QRectF& panel,
                   const QFontMetricsF& fm) {
    const double spacing = 2 * fm.height(), line = 1.5 * fm.height();
    auto width = [&](const LegendEntry& e) {
        return kSwatch + fm.height() / 3 + fm.horizontalAdvance(e.name);
    };
    std::vector<std::pair<size_t, double>> rows; // the first entry of each, its width
    for (size_t i = 0; i < entries.size(); ++i) {
        const double w = width(entries[i]);
        if (rows.empty() || rows.back().second + spacing + w > panel.width() - 2 * kMargin)
            rows.emplace_back(i, w);
        else
            rows.back().second += spacing + w;
    }
    double y = panel.bottom() - kMargin - line * double(rows.size()) + line / 2;
    for (size_t r = 0; r < rows.size(); ++r, y += line) {
        const size_t end = r + 1 < rows.size() ? rows[r + 1].first : entries.size();
        double x = panel.center().x() - rows[r].second / 2;
        for (size_t i = rows[r].first; i < end; ++i) {
            entries[i].at = QPointF(x, y);
            x += width(entries[i]) + spacing;
        }
    }
    return line * double(rows.size());
}

} // namespace

struct ChartView::Frame {
    QRectF panel, plot;
    std::vector<DateTick> dates;
    std::vector<LegendEntry> legend;
};

namespace {

double xAt(const ChartView::Frame& f, const ProgressChart& c, std::int64_t unixSeconds) {
    return f.plot.left() + double(unixSeconds - c.from) / double(c.to - c.from) * f.plot.width();
}

double yAt(const ChartView::Frame& f, const ProgressChart& c, double seconds) {
    return f.plot.bottom() - (seconds - c.bottom) / (c.top - c.bottom) * f.plot.height();
}

QPointF placed(const ChartView::Frame& f, const ProgressChart& c, const ProgressPoint& p) {
    return {xAt(f, c, p.unixSeconds), yAt(f, c, p.seconds)};
}

QFont boldOf(QFont font) {
    font.setBold(true);
    return font;
}

// The grid, the labels of both axes, their titles and the chart's title.
void drawAxes(QPainter& p, const ChartView::Frame& f, const Look& look, const ProgressChart& c,
              const QString& title, const QFont& font) {
    const QFontMetricsF fm(font);
    p.setPen(QPen(look.grid, 1));
    for (const TimeTick& t : c.ticks)
        p.drawLine(QPointF(f.plot.left(), yAt(f, c, t.seconds)),
                   QPointF(f.plot.right(), yAt(f, c, t.seconds)));
    for (const DateTick& d : f.dates)
        p.drawLine(QPointF(xAt(f, c, d.at), f.plot.top()),
                   QPointF(xAt(f, c, d.at), f.plot.bottom() + 4));
    p.setPen(QPen(look.axis, 1));
    p.drawPolyline(QPolygonF{f.plot.topLeft(), f.plot.bottomLeft(), f.plot.bottomRight()});

    p.setPen(look.text);
    p.setFont(font);
    const double labelsRight = f.plot.left() - 6;
    for (const TimeTick& t : c.ticks)
        p.drawText(QRectF(f.panel.left(), yAt(f, c, t.seconds) - fm.height() / 2,
                          labelsRight - f.panel.left(), fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter | kTextFlags, QString::fromStdString(t.label));
    const double datesTop = f.plot.bottom() + 6;
    for (const DateTick& d : f.dates)
        p.drawText(QRectF(xAt(f, c, d.at), datesTop, 0, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop | kTextFlags, d.label);

    const QFont bold = boldOf(font);
    const QFontMetricsF bm(bold);
    p.setFont(bold);
    const QRectF titleRow(f.panel.left() + kMargin, f.panel.top() + kMargin,
                          f.panel.width() - 2 * kMargin, bm.height());
    p.drawText(titleRow, Qt::AlignCenter | kTextFlags,
               bm.elidedText(title, Qt::ElideRight, titleRow.width()));
    p.drawText(QRectF(f.plot.left(), datesTop + fm.height() + 4, f.plot.width(), bm.height()),
               Qt::AlignHCenter | Qt::AlignTop | kTextFlags,
               //: The title of the chart's date axis.
               QCoreApplication::translate("velomark::ChartView", "Date saved"));
    p.save();
    p.translate(f.panel.left() + kMargin, f.plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-f.plot.height() / 2, 0, f.plot.height(), bm.height()),
               Qt::AlignCenter | kTextFlags,
               //: The title of the chart's time axis.
               QCoreApplication::translate("velomark::ChartView", "Lap time"));
    p.restore();
}

// The ideal lap, a line per session with its marks, and the stored bests.
void drawLines(QPainter& p, const ChartView::Frame& f, const Look& look, const ProgressChart& c) {
    if (c.idealLap) {
        p.setPen(QPen(look.ideal, 2, Qt::DashLine));
        const double y = yAt(f, c, *c.idealLap);
        p.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
    }
    for (const ProgressLine& line : c.lines) {
        const QColor colour = look.sessions[static_cast<size_t>(line.session)];
        QPolygonF points;
        for (const ProgressPoint& point : line.points)
            points << placed(f, c, point);
        // Line by line: one long antialiased polyline takes Qt's stroker many
        // times longer over thousands of points.
        QList<QLineF> segments;
        for (qsizetype i = 1; i < points.size(); ++i)
            segments.append(QLineF(points[i - 1], points[i]));
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLines(segments);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (const QPointF& at : points)
            p.drawEllipse(at, kDot, kDot);
    }
    p.setPen(QPen(look.base, 1.5));
    p.setBrush(look.best);
    for (const ProgressLine& line : c.lines)
        if (line.best)
            p.drawEllipse(placed(f, c, line.points[*line.best]), kBestDot, kBestDot);
}

void drawLegend(QPainter& p, const ChartView::Frame& f, const Look& look, const QFont& font) {
    const QFontMetricsF fm(font);
    p.setFont(font);
    for (const LegendEntry& e : f.legend) {
        const QPointF end = e.at + QPointF(kSwatch, 0), middle = e.at + QPointF(kSwatch / 2, 0);
        p.setBrush(Qt::NoBrush);
        if (e.mark == LegendEntry::Line) {
            const QColor colour = look.sessions[static_cast<size_t>(e.session)];
            p.setPen(QPen(colour, 2));
            p.drawLine(e.at, end);
            p.setBrush(colour);
            p.drawEllipse(middle, kDot, kDot);
        } else if (e.mark == LegendEntry::Best) {
            p.setPen(QPen(look.base, 1.5));
            p.setBrush(look.best);
            p.drawEllipse(middle, kBestDot - 1, kBestDot - 1);
        } else {
            p.setPen(QPen(look.ideal, 2, Qt::DashLine));
            p.drawLine(e.at, end);
        }
        p.setPen(look.text);
        p.drawText(QRectF(end.x() + fm.height() / 3, e.at.y() - fm.height() / 2, 0, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | kTextFlags, e.name);
    }
}

} // namespace

ChartView::ChartView(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {
    setObjectName(QStringLiteral("chart"));
    setAccessibleName(tr("Progress chart"));
    setAccessibleDescription(
        tr("Lap times over the dates they were saved. Left and Right step from point to point."));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void ChartView::setChart(ProgressChart chart) {
    m_chart = std::move(chart);
    m_byDate.clear();
    m_current.reset();
    for (size_t l = 0; l < m_chart.lines.size(); ++l)
        for (size_t i = 0; i < m_chart.lines[l].points.size(); ++i)
            m_byDate.push_back({l, i});
    std::stable_sort(m_byDate.begin(), m_byDate.end(), [this](PointRef a, PointRef b) {
        return m_chart.lines[a.line].points[a.point].unixSeconds <
               m_chart.lines[b.line].points[b.point].unixSeconds;
    });
    update();
}

// The title at the top, the legend at the bottom, the time labels on the
// left; the plot takes the room between them.
ChartView::Frame ChartView::frame() const {
    const QFontMetricsF fm(font()), bm(boldOf(font()));
    Frame f;
    f.panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    f.legend = legendOf(m_chart);
    const double legend = placeLegend(f.legend, f.panel, fm);
    double labels = 0;
    for (const TimeTick& t : m_chart.ticks)
        labels = std::max(labels, fm.horizontalAdvance(QString::fromStdString(t.label)));
    const QPointF topLeft(f.panel.left() + kMargin + bm.height() + kMargin + labels + 6,
                          f.panel.top() + 2 * kMargin + 1.5 * bm.height());
    const QPointF bottomRight(
        // not translated: only measured, as wide as the widest date label
        f.panel.right() - kMargin - fm.horizontalAdvance(QStringLiteral("30 May 2000")) / 2,
        f.panel.bottom() - 2 * kMargin - legend - bm.height() - fm.height() - 10);
    f.plot = QRectF(topLeft, bottomRight);
    f.dates = dateTicks(m_chart.from, m_chart.to, f.plot.width(), fm);
    return f;
}

QPointF ChartView::place(const Frame& f, PointRef r) const {
    return placed(f, m_chart, m_chart.lines[r.line].points[r.point]);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const Look look = lookOf(palette());
    const Frame f = frame();
    p.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 2) : QPen(Qt::NoPen));
    p.setBrush(look.base);
    p.drawRoundedRect(f.panel, 6, 6);
    if (m_chart.lines.empty())
        return;
    drawAxes(p, f, look, m_chart, m_title, font());
    drawLines(p, f, look, m_chart);
    drawLegend(p, f, look, font());
    if (m_current && hasFocus()) {
        p.setPen(QPen(look.text, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(place(f, m_byDate[*m_current]), kBestDot + 3, kBestDot + 3);
    }
}

QVariantMap ChartView::drawnPoints() const {
    QVariantMap drawn;
    if (m_chart.lines.empty())
        return drawn;
    const Frame f = frame();
    QList<QPointF> best;
    for (const ProgressLine& line : m_chart.lines) {
        QList<QPointF> points;
        for (const ProgressPoint& p : line.points)
            points.append(placed(f, m_chart, p));
        if (line.best)
            best.append(points[static_cast<qsizetype>(*line.best)]);
        drawn.insert(sessionName(line.session), QVariant::fromValue(points));
    }
    if (!best.isEmpty())
        drawn.insert(storedBest(), QVariant::fromValue(best));
    if (m_chart.idealLap) {
        const double y = yAt(f, m_chart, *m_chart.idealLap);
        drawn.insert(idealName(*m_chart.idealLap),
                     QVariant::fromValue(QList<QPointF>{{f.plot.left(), y}, {f.plot.right(), y}}));
    }
    return drawn;
}

std::optional<ChartView::PointRef> ChartView::pointAt(QPointF pos) const {
    const Frame f = frame();
    std::optional<PointRef> nearest;
    double reach = kReach * kReach;
    for (const PointRef r : m_byDate) {
        const QPointF d = place(f, r) - pos;
        if (const double distance = QPointF::dotProduct(d, d); distance <= reach) {
            reach = distance;
            nearest = r;
        }
    }
    return nearest;
}

QString ChartView::pointText(PointRef r) const {
    const RecordSession s = m_chart.lines[r.line].session;
    const ProgressPoint& p = m_chart.lines[r.line].points[r.point];
    // not translated: the session, its lap time and the date it was saved
    QString text = QStringLiteral("%1 %2\n%3")
                       .arg(sessionName(s), QString::fromUtf8(p.lap),
                            QDateTime::fromSecsSinceEpoch(p.unixSeconds)
                                .toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (!p.setup.empty())
        text += QLatin1Char('\n') + tr("Setup: %1").arg(QString::fromUtf8(p.setup));
    return text;
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    if (const std::optional<PointRef> hit = pointAt(event->position())) {
        QToolTip::showText(event->globalPosition().toPoint(),
                           Qt::convertFromPlainText(pointText(*hit), Qt::WhiteSpaceNoWrap), this);
        m_hovering = true;
    } else if (m_hovering) {
        QToolTip::hideText();
        m_hovering = false;
    }
    QWidget::mouseMoveEvent(event);
}

void ChartView::leaveEvent(QEvent* event) {
    if (m_hovering)
        QToolTip::hideText();
    m_hovering = false;
    QWidget::leaveEvent(event);
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    if (const std::optional<PointRef> hit = pointAt(event->position())) {
        const auto at = std::find_if(m_byDate.begin(), m_byDate.end(), [&hit](PointRef r) {
            return r.line == hit->line && r.point == hit->point;
        });
        goTo(static_cast<size_t>(at - m_byDate.begin()));
    }
    QWidget::mousePressEvent(event);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    if (m_byDate.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const size_t last = m_byDate.size() - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        goTo(m_current ? std::max<size_t>(*m_current, 1) - 1 : last);
        break;
    case Qt::Key_Right:
        goTo(m_current ? std::min(*m_current + 1, last) : 0);
        break;
    case Qt::Key_Home:
        goTo(0);
        break;
    case Qt::Key_End:
        goTo(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The point's text, said to assistive tools and shown beside the point.
void ChartView::goTo(size_t byDate) {
    m_current = byDate;
    const QString text = pointText(m_byDate[byDate]);
    setAccessibleDescription(text);
    const QPoint at = (place(frame(), m_byDate[byDate]) + QPointF(kReach, kReach)).toPoint();
    QToolTip::showText(mapToGlobal(at), Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap), this);
    update();
}

} // namespace velomark
