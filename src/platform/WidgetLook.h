// Small helpers for laying windows out as they were drawn: positions in
// twips, text colours.
#pragma once

#include <QColor>
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

inline void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

} // namespace velomark
