#include "platform/WidgetLook.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace velomark {

namespace {

constexpr char kDesignColour[] = "velomarkDesignColour";
constexpr char kAccessibleRole[] = "velomarkAccessibleRole";

// The interface of a widget given a role of its own.
QAccessibleInterface* interfaceWithRole(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    const QVariant role = object->property(kAccessibleRole);
    return w && role.isValid() ? new QAccessibleWidget(w, role.value<QAccessible::Role>())
                               : nullptr;
}

// x to the power 2.4, for x in 0 to 1: x squared times the fifth root of x
// squared, the root by Newton's steps from above. Written out because calling
// the maths library's pow brings its tables into memory at every start.
double power24(double x) {
    const double square = x * x;
    double root = 1;
    for (int step = 0; step < 60; ++step) {
        const double next = (4 * root + square / (root * root * root * root)) / 5;
        if (next >= root)
            break;
        root = next;
    }
    return square * root;
}

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(const QColor& c) {
    auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : power24((channel + 0.055) / 1.055);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// Sees w's palette changes and runs its apply step, once for each.
class PaletteFollower final : public QObject {
  public:
    PaletteFollower(QWidget* w, std::function<void()> apply)
        : QObject(w), m_apply(std::move(apply)) {
        w->installEventFilter(this);
    }

    void apply() {
        if (m_applying) // the step's own palette change
            return;
        m_applying = true;
        m_apply();
        m_applying = false;
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange ||
            event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return false;
    }

  private:
    std::function<void()> m_apply;
    bool m_applying = false;
};

void applyTextColour(QWidget* w) {
    const QColor design = w->property(kDesignColour).value<QColor>();
    const QColor shown = legibleOn(design, w->palette().color(QPalette::Window));
    QPalette p = w->palette();
    if (p.isBrushSet(QPalette::Active, QPalette::WindowText) &&
        p.color(QPalette::WindowText) == shown && p.color(QPalette::ButtonText) == shown)
        return;
    p.setColor(QPalette::WindowText, shown);
    p.setColor(QPalette::ButtonText, shown);
    w->setPalette(p);
}

} // namespace

QFont fixedPitchFont(const QString& family) {
    QFont f(family);
    f.setStyleHint(QFont::TypeWriter);
    if (lettersLineUp(f))
        return f;
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (lettersLineUp(system))
        return system;
    for (const QString& installed : QFontDatabase::families()) {
        const QFont candidate(installed);
        if (QFontDatabase::isFixedPitch(installed) && lettersLineUp(candidate))
            return candidate;
    }
    return system;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleOn(const QColor& design, const QColor& background) {
    // Where white and black stand out from a background equally.
    const bool darkBackground = luminance(background) < 0.18;
    // The design's colours were chosen on light grey; on a dark background
    // one that only just passes the floor is still hard to read.
    if (contrastRatio(design, background) >= (darkBackground ? kContrastAim : kContrastFloor))
        return design;
    float hue = 0, saturation = 0, lightness = 0, alpha = 1;
    design.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    QColor shown = design;
    for (int step = 0; step < 100 && contrastRatio(shown, background) < kContrastAim; ++step) {
        lightness = std::clamp(lightness + (darkBackground ? 0.01f : -0.01f), 0.0f, 1.0f);
        shown = QColor::fromHslF(hue, saturation, lightness, alpha).toRgb();
    }
    return shown;
}

void followPalette(QWidget* w, std::function<void()> apply) {
    (new PaletteFollower(w, std::move(apply)))->apply();
}

void setTextColour(QWidget* w, const QColor& design) {
    const bool following = w->property(kDesignColour).isValid();
    w->setProperty(kDesignColour, design);
    if (following)
        applyTextColour(w);
    else
        followPalette(w, [w] { applyTextColour(w); });
}

void setFaceColour(QPushButton* b, const QColor& face) {
    const QColor text = contrastRatio(face, Qt::black) >= contrastRatio(face, Qt::white)
                            ? QColor(Qt::black)
                            : QColor(Qt::white);
    if (b->style()->name() != QLatin1String("fusion")) {
        // A native face is drawn by the system; only a style sheet colours it.
        b->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                             .arg(face.name(QColor::HexRgb), text.name(QColor::HexRgb)));
        return;
    }
    // Fusion draws the face from the palette: these are the colours a style
    // sheet's background would give it, without a style sheet's cost in
    // memory and start-up time.
    QPalette p = b->palette();
    for (auto [role, shade] :
         {std::pair{QPalette::Button, face}, std::pair{QPalette::Window, face},
          std::pair{QPalette::Light, face.lighter(115)},
          std::pair{QPalette::Midlight, face.lighter(107)},
          std::pair{QPalette::Dark, face.darker(150)},
          std::pair{QPalette::Shadow, face.darker(300)}, std::pair{QPalette::ButtonText, text},
          std::pair{QPalette::WindowText, text}, std::pair{QPalette::Text, text}})
        p.setColor(role, shade);
    b->setPalette(p);
}

void setAccessibleRole(QWidget* w, QAccessible::Role role) {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(interfaceWithRole), true);
    w->setProperty(kAccessibleRole, QVariant::fromValue(role));
}

void resizeWithin(QWidget* window, QSize wanted) {
    if (const QScreen* screen = window->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    window->resize(wanted);
}

void shrinkToFit(QWidget* w) {
    auto overflows = [w] {
        if (w->hasHeightForWidth()) // wrapped text
            return w->heightForWidth(w->width()) > w->height();
        if (auto* box = qobject_cast<QCheckBox*>(w)) { // the text beside the box
            const QStyle* s = box->style();
            const int room = box->width() -
                             s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                             s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
            return box->fontMetrics().horizontalAdvance(box->text()) > room;
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The text inside the frame: the style's size hint asks for a
            // wide button whatever the text, which no small one meets.
            const int frame =
                2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            return text.width() > button->width() - frame ||
                   text.height() > button->height() - frame;
        }
        return w->sizeHint().width() > w->width();
    };
    QFont f = w->font();
    while (f.pointSizeF() > 6.0 && overflows()) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        w->setFont(f);
    }
}

namespace {

// Fusion's group box frame, which it draws from a 98 x 38 picture stretched
// between 6-pixel margins: a grey line with clipped corners around a faintly
// darker inside, one pixel in from the frame's top left.
class LinedGroupFrame : public QProxyStyle {
    // A one-pixel line around r, its corner pixels left out.
    static void outline(QPainter* p, const QRect& r, const QColor& c) {
        p->fillRect(r.left() + 1, r.top(), r.width() - 2, 1, c);
        p->fillRect(r.left() + 1, r.bottom(), r.width() - 2, 1, c);
        p->fillRect(r.left(), r.top() + 1, 1, r.height() - 2, c);
        p->fillRect(r.right(), r.top() + 1, 1, r.height() - 2, c);
    }

  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox ||
            baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int kTopMargin = 3; // Fusion's, above the frame
        const int top =
            box && !box->isCheckable() && box->title().isEmpty()
                ? kTopMargin
                : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                      kTopMargin;
        const QRect r = option->rect.adjusted(1, top + 1, 0, 0);
        if (r.width() < 4 || r.height() < 4)
            return;
        painter->save();
        painter->fillRect(r.adjusted(2, 2, -2, -2), QColor(0, 0, 0, 3));
        outline(painter, r.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 7));
        outline(painter, r, QColor(0x75, 0x75, 0x75, 0x32));
        painter->restore();
    }
};

} // namespace

void drawFrameWithoutPicture(QGroupBox* box) {
    auto* style = new LinedGroupFrame;
    style->setParent(box);
    box->setStyle(style);
}

QPixmap emptyPicture(QSize size, qreal devicePixelRatio, const QColor& fill) {
    QPixmap pm((QSizeF(size) * devicePixelRatio).toSize());
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(fill);
    return pm;
}

DrawnPicture::DrawnPicture(Draw draw, QWidget* parent) : QLabel(parent), m_draw(std::move(draw)) {
    setAccessibleRole(this, QAccessible::Graphic);
}

void DrawnPicture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.devicePixelRatio() != ratio)
        m_drawn = m_draw(ratio);
    QPainter p(this);
    style()->drawItemPixmap(&p, contentsRect(), static_cast<int>(alignment()), m_drawn);
}

} // namespace velomark
