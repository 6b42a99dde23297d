// Small helpers for laying windows out as they were drawn: positions in
// twips, text colours, and texts shown as they stand.
#pragma once

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QWidget>

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

// family when its letters line up, else the system's fixed-pitch font.
inline QFont fixedPitchFont(const QString& family) {
    QFont f(family);
    f.setStyleHint(QFont::TypeWriter);
    return lettersLineUp(f) ? f : QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

inline void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

} // namespace velomark
