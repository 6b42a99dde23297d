// The progress chart drawn with QPainter: a line per session with a mark at
// each point, the stored bests marked, the ideal lap dashed across, the lap
// time on the left and the date at the bottom, the title above and a legend
// below. It draws in the palette's text and base colours, so it follows a
// dark desktop, in device-independent pixels, so it scales with the screen.
// Hovering over a point shows its time, date and setup; with the focus on
// the chart, Left and Right step from point to point and say the same.
#pragma once

#include "laps/ProgressChart.h"

#include <QVariantMap>
#include <QWidget>

#include <optional>
#include <vector>

namespace velomark {

class ChartView : public QWidget {
    Q_OBJECT
    // What is drawn where, in the widget's own pixels: each name of the
    // legend with the centres of its marks (the ideal lap with its two ends).
    Q_PROPERTY(QVariantMap drawnPoints READ drawnPoints)

  public:
    // title is shown as it stands, never read as markup.
    explicit ChartView(const QString& title, QWidget* parent = nullptr);

    void setChart(ProgressChart chart);
    QVariantMap drawnPoints() const;

    // A point of the chart: its line, and its place on that line.
    struct PointRef {
        size_t line = 0, point = 0;
    };
    // The point whose mark is under pos, the nearest of them; nothing elsewhere.
    std::optional<PointRef> pointAt(QPointF pos) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  public:
    struct Frame; // where the parts of the chart stand at the widget's size

  private:
    Frame frame() const;
    QPointF place(const Frame& f, const ProgressPoint& p) const;
    QPointF place(const Frame& f, PointRef r) const;
    QString pointText(PointRef r) const;
    void goTo(size_t byDate);

    const QString m_title;
    ProgressChart m_chart;
    std::vector<PointRef> m_byDate;  // every point, oldest first
    std::optional<size_t> m_current; // in m_byDate: the point the keys went to
    bool m_hovering = false;         // a point's text is shown for the pointer
};

} // namespace velomark
