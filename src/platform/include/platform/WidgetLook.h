// Small helpers for laying windows out as they were drawn: positions in
// twips, text colours and button faces that stay legible on light and dark
// desktops, pictures that stay sharp at any scale, and texts shown as they stand.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QPixmap>
#include <QRect>

#include <functional>

class QGroupBox;
class QPushButton;
class QWidget;

namespace velomark {

// At 96 dpi one pixel is 15 twips; Qt's high-dpi scaling does the rest.
constexpr int px(int twips) {
    return twips / 15;
}

inline QRect twipRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// A label that shows its text as it stands: a name from the player's files
// is never read as markup.
inline QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

// A caption from the player's files or typing for a control that reads '&'
// as the mark of its shortcut key, so that every '&' shows as it stands.
inline QString literalCaption(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Whether the report's columns line up in font: its narrowest and widest
// letters take the same room. (What QFontInfo calls fixed pitch misses fonts
// such as Noto Sans Mono, whose every glyph has one advance.)
inline bool lettersLineUp(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('W'));
}

// family when its letters line up, else the system's fixed-pitch font, else
// the first installed family whose letters line up (a system may name none,
// or name one whose letters do not).
QFont fixedPitchFont(const QString& family);

// Contrast of two colours as WCAG measures it, from 1 (the same) to 21
// (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// What no text of ours may fall below, and what a colour made legible aims for.
inline constexpr double kContrastFloor = 3.0;
inline constexpr double kContrastAim = 4.5;

// The design's colour as it is where it stands out from a light background by
// the floor, or from a dark one by the aim; otherwise the same hue, lighter on
// a dark background (darker on a light one), until it stands out by the aim.
QColor legibleOn(const QColor& design, const QColor& background);

// Runs apply now and again whenever w's palette changes, as it does when the
// desktop switches between a light and a dark theme.
void followPalette(QWidget* w, std::function<void()> apply);

// Text in a colour the design fixes, drawn on the window's own background:
// legibleOn that background, and kept so through palette changes.
void setTextColour(QWidget* w, const QColor& design);

// A button face the design fixes, with the text colour to match it, so that a
// dark palette's light text never lands on it.
void setFaceColour(QPushButton* b, const QColor& face);

// Makes w's font smaller, in half points down to 6, until its text fits the
// box the window gives it: a desktop font larger than the one the window was
// drawn for must not cut it. Text that fits is left as it is.
void shrinkToFit(QWidget* w);

// Gives w the role role for assistive technology in place of the one its
// class has: a picture drawn on a label is a graphic, not a text. Called
// before Qt first makes w's interface, which it keeps: before a label is
// given its first text, for one.
void setAccessibleRole(QWidget* w, QAccessible::Role role);

// Gives a resizable window the size it asks for, or nine tenths of its
// screen's free room where that is smaller (a scaled or small screen).
void resizeWithin(QWidget* window, QSize wanted);

// Has the Fusion style draw box's frame with lines, as it looks, in place of
// the picture Fusion reads for it: reading any picture makes Qt load every
// image plugin it has, over 300 KB at start-up for one frame. Other styles
// draw the frame as they always do.
void drawFrameWithoutPicture(QGroupBox* box);

// An empty picture of size logical pixels at a device pixel ratio, filled with fill.
QPixmap emptyPicture(QSize size, qreal devicePixelRatio, const QColor& fill);

// A picture the program draws itself, placed as a label places its pixmap.
// It is drawn when first shown, at the screen's pixel density, so it is sharp
// at any scale and costs nothing before the window appears. Assistive
// technology sees a graphic, named by its accessible name.
class DrawnPicture : public QLabel {
  public:
    // draw makes the picture at a device pixel ratio, in logical pixels.
    using Draw = std::function<QPixmap(qreal devicePixelRatio)>;
    DrawnPicture(Draw draw, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Draw m_draw;
    QPixmap m_drawn;
};

} // namespace velomark
