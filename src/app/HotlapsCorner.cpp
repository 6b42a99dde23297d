#include "app/HotlapsCorner.h"

#include "app/MainWindow.h"
#include "laps/DataFiles.h"
#include "laps/HotlapBests.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"
#include "ui/hotlap/HotlapWatch.h"
#include "ui/hotlap/HotlapsModule.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace velomark {

namespace {

// Beside Export, in the room between it and the first column of circuit
// buttons, above the quotation: no control of the window moves for it.
constexpr int kButtonLeft = 1260, kButtonTop = 4920, kButtonWidth = 510, kButtonHeight = 495;
// Under the quotation; the window grows by this much while the line shows.
constexpr int kNoticeTop = 5790, kNoticeHeight = 495, kNoticeRoom = 600;

bool dismisses(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Escape;
}

} // namespace

HotlapsCorner::HotlapsCorner(MainWindow* main) : QObject(main), m_main(main), m_base(main->size()) {
    //: The button's caption on two lines, so that it fits its narrow place.
    m_button = new QPushButton(tr("Hot\nlaps"), main);
    m_button->setObjectName(QStringLiteral("cmdhotlaps"));
    m_button->setAccessibleName(tr("Hot laps"));
    m_button->setToolTip(tr("Every hot lap in gpsaves against your bests"));
    m_button->setGeometry(twipRect(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight));
    setFaceColour(m_button, QColor(255, 192, 0));
    shrinkToFit(m_button);
    connect(m_button, &QPushButton::clicked, this, &HotlapsCorner::openHotlaps);

    // A notification to assistive technology, named by the line itself (see announce).
    m_notice = plainLabel(QString(), main);
    m_notice->setObjectName(QStringLiteral("hotlapnotice"));
    setAccessibleRole(m_notice, QAccessible::Notification);
    m_notice->setToolTip(tr("Click to put this line away"));
    m_notice->setGeometry(twipRect(240, kNoticeTop, 5415, kNoticeHeight));
    m_notice->setWordWrap(true);
    m_notice->setFocusPolicy(Qt::TabFocus);
    m_notice->setCursor(Qt::PointingHandCursor);
    setTextColour(m_notice, QColor(0, 0, 192));
    m_notice->hide();
    m_notice->installEventFilter(this);

    m_watch = new HotlapWatch(this);
    connect(m_watch, &HotlapWatch::lapRead, this, &HotlapsCorner::onLapRead);
    // The saves folder went, came back or was replaced: the open window lists it again.
    connect(m_watch, &HotlapWatch::folderChanged, this, [this](bool foundAgain) {
        if (m_window && foundAgain)
            m_module->reload(m_window);
        else if (m_window)
            m_module->lookAgain(m_window);
    });
    main->installEventFilter(this);
    // Once the window is up, so that starting costs no more than it did.
    QMetaObject::invokeMethod(this, &HotlapsCorner::watchGp2Directory, Qt::QueuedConnection);
}

void HotlapsCorner::openHotlaps() {
    if (!m_window) {
        m_module = hotlapsModule(m_main);
        if (!m_module)
            return;
        m_window = m_module->hotlapsWindow(m_main->selectedTrackset(),
                                           [main = QPointer<MainWindow>(m_main)] {
                                               if (main)
                                                   emit main->recordsSaved();
                                           });
        m_module->reload(m_window);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HotlapsCorner::announce(const QString& line) {
    const bool shown = m_notice->isVisible();
    m_notice->setText(line);
    m_notice->setAccessibleName(line);
    m_notice->setVisible(!line.isEmpty());
    // A screen reader reads a notification out as it shows; a line that
    // replaces one still showing is told as shown again.
    if (shown && !line.isEmpty()) {
        QAccessibleEvent again(m_notice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&again);
    }
    m_main->setFixedSize(m_base.width(), m_base.height() + (line.isEmpty() ? 0 : px(kNoticeRoom)));
}

// The GP2 directory may have been set or changed in the initialisation window;
// the saves folder of one already watched is followed by the watch itself.
void HotlapsCorner::watchGp2Directory() {
    const Result<std::string> dir = readGp2Path();
    m_watch->watch(dir ? *dir : std::string());
}

void HotlapsCorner::onLapRead(const HotlapReading& lap) {
    if (m_window)
        m_module->putReading(m_window, m_watch->folder(), lap);
    const std::optional<Sentence> line =
        newBestLine(lap, readTracksetBests(m_main->selectedTrackset()));
    if (line)
        announce(shown(*line));
}

bool HotlapsCorner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_main && event->type() == QEvent::ActivationChange && m_main->isActiveWindow())
        watchGp2Directory();
    else if (watched == m_notice && dismisses(event))
        announce(QString());
    return QObject::eventFilter(watched, event);
}

} // namespace velomark
