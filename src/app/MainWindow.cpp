#include "app/MainWindow.h"

#include "velomark/Version.h"

#include "app/AboutBox.h"
#include "app/BoardLink.h"
#include "app/CircuitWindows.h"
#include "app/HotlapsCorner.h"
#include "formats/CustomFile.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"
#include "ui/catalogue/CustomWindow.h"
#include "ui/catalogue/InitWindow.h"
#include "ui/editor/LapTimeEditor.h"
#include "ui/reports/ExportChooser.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace velomark {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

// The About picture: a chequered flag with the program's name.
QPixmap aboutPicture(qreal ratio) {
    QPixmap pm = emptyPicture({101, 62}, ratio, Qt::white);
    QPainter p(&pm);
    const int cell = 10;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x)
            if ((x + y) % 2 == 0)
                p.fillRect(x * cell + 1, y * cell + 1, cell, cell, Qt::black);
    p.setPen(QColor(0, 0, 192));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    // not translated: the program's name
    p.drawText(QRect(0, 42, 101, 20), Qt::AlignCenter, QStringLiteral("VELOMARK"));
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 100, 61);
    return pm;
}

// The acknowledgements picture: a stopwatch.
QPixmap stopwatchPicture(qreal ratio) {
    QPixmap pm = emptyPicture({100, 87}, ratio, Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QPoint(50, 48), 34, 34);
    p.fillRect(44, 4, 12, 9, Qt::black);
    p.setPen(QPen(Qt::red, 3));
    p.drawLine(QPoint(50, 48), QPoint(68, 30));
    // The twelve hour marks, from the sines of the multiples of 30 degrees:
    // a rotated painter would bring in the maths library's tables at every start.
    p.setPen(QPen(Qt::black, 2));
    constexpr double kHalfRoot3 = 0.86602540378443865;
    constexpr double kSines[12] = {0, 0.5,  kHalfRoot3,  1,  kHalfRoot3,  0.5,
                                   0, -0.5, -kHalfRoot3, -1, -kHalfRoot3, -0.5};
    for (int i = 0; i < 12; ++i) {
        const double sine = kSines[i], cosine = kSines[(i + 3) % 12];
        p.drawLine(QPointF(50 + 30 * sine, 48 - 30 * cosine),
                   QPointF(50 + 25 * sine, 48 - 25 * cosine));
    }
    return pm;
}

// Shrinks w's font, down to 6 points, until every line of text fits into width
// pixels: the system's sans serif is often wider than the one the layout was drawn for.
void fitFont(QWidget* w, const QString& text, int width) {
    QFont f = w->font();
    f.setPointSizeF(w->parentWidget() ? w->parentWidget()->font().pointSizeF() : 8.0);
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto widest = [&](const QFont& font) {
        const QFontMetrics m(font);
        int most = 0;
        for (const QString& line : lines)
            most = std::max(most, m.horizontalAdvance(line));
        return most;
    };
    while (f.pointSizeF() > 6.0 && widest(f) > width)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    w->setFont(f);
}

} // namespace

QString MainWindow::title() {
    // not translated: other tools find the program's window by this caption
    return QStringLiteral("GP2 Velomark V%1.%2      by Velomark Developers")
        .arg(VELOMARK_VERSION_MAJOR)
        .arg(VELOMARK_VERSION_MINOR);
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(px(5910), px(5745));
    // The layout was drawn for an 8-point sans serif; wider system fonts must not clip captions.
    QFont base = font();
    base.setPointSizeF(8.0);
    setFont(base);

    buildHeading();
    buildTracksetFrame();
    buildCircuitButtons();
    buildTools();
    new BoardLink(this);

    setWindowTitle(title());
    showTrackset(Trackset::Standard);
    new HotlapsCorner(this);
}

void MainWindow::buildHeading() {
    labset = plainLabel(QString(), this);
    labset->setObjectName(QStringLiteral("labset"));
    labset->setGeometry(twipRect(1680, 120, 4095, 375));
    labset->setAlignment(Qt::AlignCenter);
    QFont headingFont = labset->font();
    headingFont.setPointSizeF(11.25);
    labset->setFont(headingFont);
    setTextColour(labset, kBlue);

    Image2 = new DrawnPicture(aboutPicture, this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twipRect(120, 120, 1515, 930));
    Image2->setToolTip(tr("About Velomark"));
    Image2->setAccessibleName(tr("About Velomark"));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);
    // The picture takes no focus, so F1 opens the About box from the keyboard.
    new QShortcut(QKeySequence::HelpContents, this, this, &MainWindow::openAbout);
}

void MainWindow::buildTracksetFrame() {
    auto* Frame1 = new QGroupBox(tr("Trackset"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(120, 1320, 1455, 1455));
    Frame1->setToolTip(tr("Select Trackset"));
    drawFrameWithoutPicture(Frame1);
    QFont frameFont = Frame1->font();
    frameFont.setBold(true);
    Frame1->setFont(frameFont);

    auto* group = new QButtonGroup(this);
    for (Trackset set : {Trackset::Standard, Trackset::TrackPack, Trackset::Custom}) {
        const int i = static_cast<int>(set);
        auto* option = new QRadioButton(shown(optionCaption(set)), Frame1);
        option->setObjectName(QStringLiteral("set%1").arg(i + 1));
        option->setGeometry(twipRect(120, 360 + 360 * i, 1335, 255));
        QFont f = option->font();
        f.setBold(false);
        option->setFont(f);
        group->addButton(option);
        option->setChecked(set == Trackset::Standard); // the initial state, not an operation
        connect(option, &QRadioButton::toggled, this, [this, set](bool on) {
            if (on)
                showTrackset(set);
        });
        m_options[static_cast<size_t>(i)] = option;
    }
    QRadioButton* set3 = m_options[2];
    set3->setFixedWidth(px(1080 - 120));
    fitFont(set3, set3->text(), set3->width() - 22); // the "?" button stands right beside it

    // not translated: a sign, which the custom circuits' message names as it stands
    cmdcustom = new QPushButton(QStringLiteral("?"), Frame1);
    cmdcustom->setObjectName(QStringLiteral("cmdcustom"));
    cmdcustom->setGeometry(twipRect(1080, 1110, 195, 195));
    QFont smallFont = cmdcustom->font();
    smallFont.setPointSizeF(6.75);
    cmdcustom->setFont(smallFont);
    cmdcustom->setAccessibleName(tr("Set up custom circuits"));
    connect(cmdcustom, &QPushButton::clicked, this, &MainWindow::openCustomCircuits);
}

void MainWindow::buildCircuitButtons() {
    for (int k = 1; k <= kCircuitsPerSet; ++k) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("t%1").arg(k));
        const int column = k <= 8 ? 1800 : 3840;
        const int row = (k - 1) % 8;
        b->setGeometry(twipRect(column, 720 + 600 * row, 1695, 495));
        setFaceColour(b, QColor(172, 172, 172));
        connect(b, &QPushButton::clicked, this, [this, k] { openCircuit(k); });
        t[static_cast<size_t>(k - 1)] = b;
    }
}

void MainWindow::buildTools() {
    //: The Hot laps window tells the player to press this button by its caption.
    cmdinit = new QPushButton(tr("INITIALISE !"), this);
    cmdinit->setObjectName(QStringLiteral("cmdinit"));
    cmdinit->setGeometry(twipRect(240, 3000, 1215, 255));
    setFaceColour(cmdinit, QColor(255, 0, 0));
    cmdinit->setToolTip(tr("Initialise datafiles !"));
    shrinkToFit(cmdinit); // a longer translation, or a wider system font, must not be cut
    connect(cmdinit, &QPushButton::clicked, this, &MainWindow::openInitialisation);

    auto* Image1 = new DrawnPicture(stopwatchPicture, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipRect(120, 3480, 1320, 1320));
    Image1->setToolTip(tr("Acknowledgements"));
    Image1->setAccessibleName(tr("Acknowledgements"));

    //: The button that opens the export chooser.
    Command1 = new QPushButton(tr("Export"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipRect(360, 4920, 855, 375));
    shrinkToFit(Command1);
    setFaceColour(Command1, QColor(0, 192, 0));
    Command1->setToolTip(tr("Print Lap Times"));
    connect(Command1, &QPushButton::clicked, this, &MainWindow::openExportChooser);

    //: A quotation shown at the foot of the main window.
    auto* Label1 = plainLabel(tr("\"The meek may inherit the Earth.  They just better stay the "
                                 "hell off the track\""),
                              this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipRect(240, 5520, 5415, 255));
    setTextColour(Label1, QColor(0, 128, 128));
    fitFont(Label1, Label1->text(), Label1->width());
}

Trackset MainWindow::selectedTrackset() const {
    for (Trackset set : {Trackset::Custom, Trackset::TrackPack})
        if (m_options[static_cast<size_t>(set)]->isChecked())
            return set;
    return Trackset::Standard;
}

void MainWindow::selectTrackset(Trackset set) {
    QRadioButton* option = m_options[static_cast<size_t>(set)];
    if (option->isChecked())
        showTrackset(set); // Custom reads its file again
    else
        option->setChecked(true); // runs the option's operation
}

void MainWindow::setCaption(QPushButton* b, const QString& caption) {
    b->setText(literalCaption(caption));
    fitFont(b, caption, b->width() - 6);
}

void MainWindow::showTrackset(Trackset set) {
    for (size_t i = 0; i < m_options.size(); ++i)
        setTextColour(m_options[i], i == static_cast<size_t>(set) ? kBlue : kBlack);
    if (set == Trackset::Custom) {
        if (!showCustomCaptions())
            return;
    } else {
        const auto& circuits = fixedCircuits(set);
        for (size_t i = 0; i < t.size(); ++i)
            setCaption(t[i], shown(circuits[i], QStringLiteral("\n")));
    }
    labset->setText(shown(mainWindowHeading(set)));
}

// The Custom captions from the custom file; when it cannot be read, says what
// to do and goes back to the Standard trackset.
bool MainWindow::showCustomCaptions() {
    const auto captions = readCustomCaptions();
    if (!captions) {
        const ErrorKind kind = captions.error().kind;
        if (kind == ErrorKind::Missing || kind == ErrorKind::Short || kind == ErrorKind::Empty)
            showMessage(this, {tr("Ooops!"),
                               tr("You need to set up some circuits first. Press the `?` button "
                                  "to do this"),
                               MessageButtons::Ok, MessageIcon::Stop});
        else // there is a file, but not one to read captions from
            showMessage(this, {tr("Ooops!"), messageText(captions.error()), MessageButtons::Ok,
                               MessageIcon::Stop});
        m_options[0]->setChecked(true); // runs the Standard operation
        return false;
    }
    m_customCaptions = *captions;
    for (size_t i = 0; i < t.size(); ++i)
        setCaption(t[i], fromFileText((*captions)[i]));
    return true;
}

CircuitChoice MainWindow::circuitAt(int k) const {
    const Trackset set = selectedTrackset();
    const size_t i = static_cast<size_t>(k - 1);
    const std::string caption =
        set == Trackset::Custom ? m_customCaptions[i] : buttonCaption(fixedCircuits(set)[i]);
    return {set, k, caption};
}

void MainWindow::openCircuit(int k) {
    // Asked for while another circuit is open (from the bests board), the
    // open one goes as it would when this window became active.
    closeTransientWindows();
    auto* editor = new LapTimeEditor(circuitAt(k));
    if (!editor->load()) { // the player has been told why
        delete editor;
        return;
    }
    m_circuitWindows = new CircuitWindows(editor, this);
    connect(editor, &LapTimeEditor::closed, this, &QWidget::show);
    connect(editor, &LapTimeEditor::saved, this, &MainWindow::recordsSaved);
    // The editor shows before this window hides: with no window shown for a
    // moment, Qt on Windows takes the program for finished and ends it.
    editor->show();
    hide();
}

void MainWindow::openInitialisation() {
    if (!m_init)
        m_init = new InitWindow;
    m_init->show();
    m_init->raise();
}

// Each of these stays open beside the main window; a second click brings the
// open one to the front instead of opening another.
void MainWindow::openCustomCircuits() {
    if (!m_custom) {
        m_custom = new CustomWindow;
        // Custom is selected, and its captions read again, after every save.
        connect(m_custom, &CustomWindow::saved, this, [this] {
            selectTrackset(Trackset::Custom);
            emit recordsSaved(); // the Custom circuits' names
        });
    }
    m_custom->show();
    m_custom->raise();
}

void MainWindow::openExportChooser() {
    if (!m_export)
        m_export = new ExportChooser;
    m_export->show();
    m_export->raise();
}

void MainWindow::openAbout() {
    if (!m_about)
        m_about = new AboutBox;
    m_about->show();
    m_about->raise();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease)
        openAbout();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // An activation that arrives after the window was hidden again (the editor
    // opened meanwhile) must not close the editor.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        closeTransientWindows();
}

// The import window and its helpers, the editor and the initialisation window.
void MainWindow::closeTransientWindows() {
    if (m_circuitWindows)
        m_circuitWindows->closeAll();
    if (m_init)
        m_init->close();
}

} // namespace velomark
