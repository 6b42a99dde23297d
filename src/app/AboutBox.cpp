#include "app/AboutBox.h"
#include "app/LanguageChoice.h"

#include "velomark/Version.h"

#include "platform/WidgetLook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace velomark {

namespace {

// A stretch of track seen from above: kerbs, a car on the racing line and the
// chequered flag at the finish, under the program's name.
QPixmap aboutPicture(qreal ratio) {
    QPixmap pm = emptyPicture({380, 185}, ratio, QColor(46, 139, 58));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath track;
    track.moveTo(-20, 170);
    track.cubicTo(90, 170, 110, 60, 200, 70);
    track.cubicTo(290, 80, 300, 150, 400, 120);
    p.setPen(QPen(QColor(200, 30, 30), 46, Qt::DashLine, Qt::FlatCap));
    p.drawPath(track); // red and white kerbs show at the edges
    p.setPen(QPen(Qt::white, 46, Qt::SolidLine, Qt::FlatCap));
    p.setOpacity(0.5);
    p.drawPath(track);
    p.setOpacity(1);
    p.setPen(QPen(QColor(90, 90, 96), 38, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(track);
    p.setPen(QPen(QColor(235, 235, 235), 2, Qt::DashLine));
    p.drawPath(track);

    // The car, pointing along the track near its middle.
    p.save();
    p.translate(track.pointAtPercent(0.55));
    p.rotate(-track.angleAtPercent(0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 160));
    p.drawRoundedRect(QRectF(-16, -5, 32, 10), 4, 4);
    p.setBrush(Qt::black);
    for (const QPointF wheel : {QPointF(-11, -8), QPointF(-11, 8), QPointF(10, -8), QPointF(10, 8)})
        p.drawRect(QRectF(wheel.x() - 3, wheel.y() - 2, 6, 4));
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(-2, 0), 3, 3);
    p.restore();

    // Chequered flag on its pole.
    p.setPen(QPen(QColor(60, 40, 20), 3));
    p.drawLine(QPointF(320, 20), QPointF(320, 95));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            p.fillRect(321 + x * 8, 20 + y * 8, 8, 8, (x + y) % 2 ? Qt::black : Qt::white);

    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(30);
    p.setFont(f);
    // not translated: the program's name
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(QRect(12, 12, 280, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("GP2 Velomark"));
    p.setPen(Qt::white);
    p.drawText(QRect(10, 10, 280, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("GP2 Velomark"));
    return pm;
}

QLabel* place(QLabel* l, const char* name, const QRect& where) {
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(where);
    return l;
}

QLabel* label(QWidget* parent, const QString& text, const char* name, const QRect& where) {
    return place(new QLabel(text, parent), name, where);
}

// The bottom row was laid out for MS Sans Serif; a wider system font is made
// smaller, down to 6 points, rather than cut off.
QLabel* fitted(QLabel* l, const QString& text) {
    QFont f = l->font();
    while (f.pointSizeF() > 6.0 && QFontMetrics(f).horizontalAdvance(text) > l->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    l->setFont(f);
    return l;
}

// A link in the design's blue. QLabel takes a link's colour from the page,
// not from its palette, so the page is written again when the palette changes.
QLabel* link(QWidget* parent, const QString& caption, const QUrl& target, const char* name,
             const QRect& where) {
    QLabel* l = label(parent, QString(), name, where);
    l->setTextFormat(Qt::RichText);
    const QString href = target.toString(QUrl::FullyEncoded).toHtmlEscaped();
    followPalette(l, [l, href, caption] {
        const QColor blue = legibleOn(QColor(0, 0, 255), l->palette().color(QPalette::Window));
        l->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                       .arg(href, blue.name(QColor::HexRgb), caption.toHtmlEscaped()));
    });
    l->setOpenExternalLinks(true);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setAccessibleName(caption);
    l->setToolTip(target.toDisplayString());
    return fitted(l, caption);
}

} // namespace

QUrl AboutBox::homePage() {
    // Both are taken from the program's folder: on Windows a source path
    // without a drive (one cross-built elsewhere) lies on the program's drive,
    // and a file URL without a drive cannot be opened there.
    const QDir program(QCoreApplication::applicationDirPath());
    const QString installed =
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral(VELOMARK_INSTALLED_README)));
    return QUrl::fromLocalFile(
        QFileInfo::exists(installed)
            ? installed
            : program.absoluteFilePath(QStringLiteral(VELOMARK_SOURCE_README)));
}

QUrl AboutBox::emailAddress() {
    return QUrl(QStringLiteral("mailto:velomark@users.noreply.codeberg.org?subject=Velomark"));
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About GP2 Velomark"));
    setFixedSize(px(6240), px(4800));
    QFont base = font();
    base.setPointSizeF(8.0);
    setFont(base);

    QLabel* Image1 =
        place(new DrawnPicture(aboutPicture, this), "Image1", twipRect(240, 120, 5760, 2835));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAccessibleName(tr("A car on a race track, and a chequered flag"));

    lblDescription = label(this,
                           tr("Designed to allow you to record your personal best lap-times for "
                              "every session at every circuit.  Now you can get out there a know "
                              "what you have to beat !"),
                           "lblDescription", twipRect(240, 3000, 5805, 690));
    lblDescription->setWordWrap(true);

    for (const auto& [shade, offset] :
         {std::pair{QColor(128, 128, 128), 0}, std::pair{QColor(255, 255, 255), 1}}) {
        auto* rule = new QFrame(this);
        rule->setObjectName(QStringLiteral("Line1"));
        rule->setGeometry(px(120), px(3720) + offset, px(6000), 1);
        rule->setAutoFillBackground(true);
        QPalette p = rule->palette();
        p.setColor(QPalette::Window, shade);
        rule->setPalette(p);
    }

    QLabel* lblDisclaimer = label(this, tr("Free software, offered without any warranty."),
                                  "lblDisclaimer", twipRect(2280, 3840, 2430, 465));
    lblDisclaimer->setWordWrap(true);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(7.0);
    lblDisclaimer->setFont(tahoma);

    lblVersion =
        label(this, tr("Version %1.%2").arg(VELOMARK_VERSION_MAJOR).arg(VELOMARK_VERSION_MINOR),
              "lblVersion", twipRect(120, 4080, 1725, 225));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipRect(4800, 4080, 1260, 345));
    setFaceColour(cmdOK, QColor(172, 172, 172));
    cmdOK->setDefault(true); // Enter presses it; Escape closes the box through reject()
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    //: The date of the first version, written as the language writes dates.
    const QString date = tr("(21st September 1998)");
    fitted(label(this, date, "Label1", twipRect(120, 4320, 1815, 255)), date);
    link(this, tr("Visit my Home Page"), homePage(), "HyperLinkLabel1",
         twipRect(2280, 4320, 1455, 255));
    link(this, tr("Email me"), emailAddress(), "HyperLinkLabel2", twipRect(3960, 4320, 735, 255));
    new LanguageChoice(this, twipRect(120, 3795, 2040, 270));
    cmdOK->setFocus();
}

} // namespace velomark
