#include "editor/LapTimeEditor.h"

#include "app/MainWindow.h"
#include "hotlap/HotlapImportWindow.h"
#include "platform/Messages.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace velomark {

namespace {

struct FieldSpec {
    const char* name;
    int record; // index in the CircuitRecord
    const char* accessibleName;
    int maxLength; // 0: no limit
};

// In the order the load step fills them: a session's lap time before its splits.
constexpr FieldSpec kFields[] = {
    {"qrlap", 0, "Quickrace Lap Time", 8},  {"qrset", 4, "Quickrace Notes", 0},
    {"plap", 5, "Practice Lap Time", 8},    {"ps1", 6, "Practice 1st Split", 6},
    {"ps2", 7, "Practice +2nd Split", 8},   {"ps3", 8, "Practice 3rd Split", 0},
    {"prset", 9, "Practice Notes", 0},      {"qlap", 10, "Qualifying Lap Time", 8},
    {"qs1", 11, "Qualifying 1st Split", 6}, {"qs2", 12, "Qualifying +2nd Split", 8},
    {"qs3", 13, "Qualifying 3rd Split", 0}, {"qset", 14, "Qualifying Notes", 0},
    {"rlap", 15, "Race Lap Time", 8},       {"raset", 19, "Race Notes", 0},
};

QLineEdit* hiddenField(QWidget* parent, const char* name) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->hide();
    return f;
}

QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

std::string bytesOf(const QString& text) {
    return toFileText(text).value_or(std::string());
}

} // namespace

LapTimeEditor::LapTimeEditor(MainWindow& main) : QWidget(nullptr, Qt::Window), m_main(&main) {
    setObjectName(QStringLiteral("frmtimes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lap Time Data"));

    auto* grid = new QGridLayout;
    track = label(this, QString(), "track");
    track->setAlignment(Qt::AlignCenter);
    QFont trackFont = track->font();
    trackFont.setBold(true);
    trackFont.setPointSizeF(trackFont.pointSizeF() * 1.2);
    track->setFont(trackFont);
    grid->addWidget(track, 0, 0, 1, 6);

    const QString headers[] = {QStringLiteral("Lap Time"), QStringLiteral("1st Split"),
                               QStringLiteral("+2nd Split"), QStringLiteral("3rd Split"),
                               QStringLiteral("Notes")};
    for (int c = 0; c < 5; ++c) {
        QLabel* h = label(this, headers[c], c == 2 ? "Label6" : nullptr);
        h->setAlignment(Qt::AlignCenter);
        grid->addWidget(h, 1, c + 1);
        if (c == 2)
            Label6 = h;
    }
    Label6->setToolTip(QStringLiteral("Hold a mouse button here to see the 2nd split alone."));
    Label6->installEventFilter(this);

    auto refused = [this](const QString& why) { showStatus(why); };
    for (int s = 0; s < SlotCount; ++s) {
        const FieldSpec& spec = kFields[s];
        auto* f = new QLineEdit(this);
        f->setObjectName(QString::fromLatin1(spec.name));
        f->setAccessibleName(QString::fromLatin1(spec.accessibleName));
        if (spec.maxLength)
            f->setMaxLength(spec.maxLength);
        f->setValidator(new StorableTextValidator(refused, f));
        m_fields[static_cast<size_t>(s)] = f;
    }
    field(PS2)->setToolTip(QStringLiteral("This is an accumulated split time."));
    field(QS2)->setToolTip(QStringLiteral("This is an accumulated split time."));
    field(PS2)->installEventFilter(this);
    field(QS2)->installEventFilter(this);

    // Rows: Quickrace, Practice differences, Practice, "+/-", Qualifying,
    // Qualifying differences, Race.
    auto placeRow = [&](int row, const QString& name,
                        std::initializer_list<std::pair<Slot, int>> cells) {
        grid->addWidget(label(this, name), row, 0);
        for (auto [slot, column] : cells)
            grid->addWidget(field(slot), row, column);
    };
    placeRow(2, QStringLiteral("Quickrace"), {{QrLap, 1}, {QrSet, 5}});
    placeRow(4, QStringLiteral("Practice"), {{PLap, 1}, {PS1, 2}, {PS2, 3}, {PS3, 4}, {PrSet, 5}});
    placeRow(6, QStringLiteral("Qualifying"), {{QLap, 1}, {QS1, 2}, {QS2, 3}, {QS3, 4}, {QSet, 5}});
    placeRow(8, QStringLiteral("Race"), {{RLap, 1}, {RaSet, 5}});

    const int differenceColumns[4] = {2, 3, 4, 1}; // 1st, +2nd, 3rd split, then lap time
    for (int i = 0; i < 4; ++i) {
        xps[static_cast<size_t>(i)] = label(this, QString(), nullptr);
        xps[static_cast<size_t>(i)]->setObjectName(QStringLiteral("xps%1").arg(i + 1));
        yps[static_cast<size_t>(i)] = label(this, QString(), nullptr);
        yps[static_cast<size_t>(i)]->setObjectName(QStringLiteral("yps%1").arg(i + 1));
        for (QLabel* l : {xps[static_cast<size_t>(i)], yps[static_cast<size_t>(i)]}) {
            l->setAlignment(Qt::AlignCenter);
            setTextColour(l, QColor(0, 0, 192));
        }
        grid->addWidget(xps[static_cast<size_t>(i)], 3, differenceColumns[i]);
        grid->addWidget(yps[static_cast<size_t>(i)], 7, differenceColumns[i]);
    }

    diff1 = label(this, QStringLiteral("+/-"), "diff1");
    diff1->setToolTip(
        QStringLiteral("Click with Left or Right mouse button to see time differences."));
    diff1->setAlignment(Qt::AlignCenter);
    diff1->setEnabled(false);
    diff1->installEventFilter(this);
    grid->addWidget(diff1, 5, 5);

    ideal = label(this, QString(), "ideal");
    ideal->setAlignment(Qt::AlignCenter);
    QSizePolicy keepPlace = ideal->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the window keeps its size while a button is held
    ideal->setSizePolicy(keepPlace);
    ideal->hide();
    grid->addWidget(ideal, 9, 0, 1, 6);

    cmdimport = new QPushButton(QStringLiteral("IMPORT"), this);
    cmdimport->setObjectName(QStringLiteral("cmdimport"));
    cmdclear = new QPushButton(QStringLiteral("CLEAR"), this);
    cmdclear->setObjectName(QStringLiteral("cmdclear"));
    cmdclose = new QPushButton(QStringLiteral("CLOSE"), this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdsave = new QPushButton(QStringLiteral("SAVE"), this);
    cmdsave->setObjectName(QStringLiteral("cmdsave"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdimport, cmdclear, cmdclose, cmdsave})
        buttons->addWidget(b);
    connect(cmdimport, &QPushButton::clicked, this, &LapTimeEditor::openImport);
    connect(cmdclear, &QPushButton::clicked, this, &LapTimeEditor::clearAll);
    connect(cmdclose, &QPushButton::clicked, this, &LapTimeEditor::closeEditor);
    connect(cmdsave, &QPushButton::clicked, this, [this] { save(); });

    m_status = label(this, QString(), "status");
    setTextColour(m_status, QColor(160, 0, 0));
    m_status->setWordWrap(true);

    tname = hiddenField(this, "tname");
    tno = hiddenField(this, "tno");
    modd = hiddenField(this, "modd");
    ptime = hiddenField(this, "ptime");
    qtime = hiddenField(this, "qtime");

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);
    outer->addWidget(m_status);

    // Typing a lap time clears its session's splits, except while SAVE fills out the texts.
    const std::pair<Slot, std::array<Slot, 3>> sessions[] = {{PLap, {PS1, PS2, PS3}},
                                                             {QLap, {QS1, QS2, QS3}}};
    for (const auto& [lap, splits] : sessions)
        connect(field(lap), &QLineEdit::textChanged, this, [this, splits] {
            if (modd->text() == QLatin1String("0"))
                for (Slot s : splits)
                    field(s)->clear();
        });
    for (Slot s : {PS1, PS2, PS3, QS1, QS2, QS3})
        connect(field(s), &QLineEdit::textChanged, this, &LapTimeEditor::diffcheck);

    QWidget* order[] = {field(QrLap), field(QrSet), field(PLap), field(PS1), field(PS2),
                        field(PrSet), field(QLap),  field(QS1),  field(QS2), field(QSet),
                        field(RLap),  field(RaSet), cmdsave,     cmdclose,   field(PS3),
                        field(QS3),   cmdclear,     cmdimport};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

LapTimeEditor* LapTimeEditor::open(MainWindow& main, const QString& caption, int circuit) {
    auto* editor = new LapTimeEditor(main);
    editor->track->setText(caption);
    if (!editor->loadRecord()) {
        editor->m_closing = true;
        delete editor;
        main.show();
        return nullptr;
    }
    editor->tno->setText(QString::number(circuit));
    editor->show();
    return editor;
}

bool LapTimeEditor::loadRecord() {
    if (m_main)
        m_main->hide();
    modd->setText(QStringLiteral("0"));
    tname->setText(m_main ? m_main->fn() : QString());
    tno->setText(m_main ? m_main->tno2() : QString());

    const std::string file = bytesOf(tname->text());
    const auto record =
        readCircuitRecord(file, static_cast<int>(leadingValue(bytesOf(tno->text()))));
    if (!record) {
        showMessage(this,
                    {QStringLiteral("Lap times not found"),
                     QString::fromStdString(record.error().message) +
                         QStringLiteral(" Press INITIALISE ! on the main screen to create the "
                                        "lap record files."),
                     MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    m_held = *record;
    for (int s = 0; s < SlotCount; ++s)
        field(static_cast<Slot>(s))->setText(fromFileText(textOf((*record)[kFields[s].record])));
    diffcheck();
    return true;
}

QString LapTimeEditor::text(Slot s) const {
    return field(s)->text();
}

TimeSheet LapTimeEditor::timeSheet() const {
    TimeSheet t;
    t.quickRaceLap = bytesOf(text(QrLap));
    t.practice = {bytesOf(text(PLap)), bytesOf(text(PS1)), bytesOf(text(PS2)), bytesOf(text(PS3))};
    t.qualifying = {bytesOf(text(QLap)), bytesOf(text(QS1)), bytesOf(text(QS2)),
                    bytesOf(text(QS3))};
    t.raceLap = bytesOf(text(RLap));
    return t;
}

// Writes back only what changed, in field order, so that no change rule runs needlessly.
void LapTimeEditor::showTimeSheet(const TimeSheet& t) {
    const std::pair<Slot, const std::string*> cells[] = {
        {QrLap, &t.quickRaceLap},    {PLap, &t.practice.lap},     {PS1, &t.practice.split1},
        {PS2, &t.practice.split2},   {PS3, &t.practice.split3},   {QLap, &t.qualifying.lap},
        {QS1, &t.qualifying.split1}, {QS2, &t.qualifying.split2}, {QS3, &t.qualifying.split3},
        {RLap, &t.raceLap}};
    for (auto [slot, value] : cells) {
        const QString shown = fromFileText(*value);
        if (field(slot)->text() != shown)
            field(slot)->setText(shown);
    }
}

SplitTexts LapTimeEditor::splitTexts(Session s) const {
    if (s == Session::Practice)
        return {bytesOf(text(PS1)), bytesOf(text(PS2)), bytesOf(text(PS3))};
    return {bytesOf(text(QS1)), bytesOf(text(QS2)), bytesOf(text(QS3))};
}

void LapTimeEditor::completeSession(Session s) {
    TimeSheet sheet = timeSheet();
    const Completion result = completeSplits(sheet, s);
    if (result == Completion::LengthFailure) {
        field(s == Session::Practice ? PLap : QLap)->setFocus(Qt::OtherFocusReason);
        showMessage(this, {QStringLiteral("Error !"), QStringLiteral("Correct Error under cursor"),
                           MessageButtons::Ok, MessageIcon::Stop});
        return;
    }
    showTimeSheet(sheet); // a conversion failure keeps what the normalisation did
}

void LapTimeEditor::diffcheck() {
    diff1->setEnabled(
        differencesAvailable(splitTexts(Session::Practice), splitTexts(Session::Qualifying)));
}

void LapTimeEditor::pressDifferences(Qt::MouseButton button) {
    if (!diff1->isEnabled())
        return;
    const bool left = button == Qt::LeftButton;
    if (!left && button != Qt::RightButton)
        return; // other buttons show nothing
    const auto shown = timeDifferences(
        splitTexts(Session::Practice), splitTexts(Session::Qualifying),
        left ? DifferenceSide::PracticeMinusQualifying : DifferenceSide::QualifyingMinusPractice);
    if (!shown) {
        showStatus(QStringLiteral("The differences need the 1st and +2nd splits of both sessions, "
                                  "written as times (and the 3rd splits, where both are filled)."));
        return;
    }
    auto& labels = left ? xps : yps;
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(QString::fromStdString(shown->labels[i]));
    ideal->setText(QString::fromStdString(shown->idealLap));
    ideal->show();
}

void LapTimeEditor::releaseDifferences() {
    for (QLabel* l : xps)
        l->clear();
    for (QLabel* l : yps)
        l->clear();
    ideal->hide();
    showStatus(QString());
}

void LapTimeEditor::pressSecondSplitHeader() {
    m_headerHeld = true;
    Label6->setText(QStringLiteral("2nd Split"));
    ptime->setText(text(PS2));
    qtime->setText(text(QS2));
    const PlainSplit p = plainSecondSplit(bytesOf(text(PS1)), bytesOf(text(PS2)));
    const PlainSplit q = plainSecondSplit(bytesOf(text(QS1)), bytesOf(text(QS2)));
    if (p.kind == PlainSplitKind::Failure || q.kind == PlainSplitKind::Failure) {
        showStatus(QStringLiteral("The 2nd split alone needs the 1st split and the +2nd split "
                                  "written as times."));
        return; // no field changes
    }
    if (p.kind == PlainSplitKind::Value)
        field(PS2)->setText(QString::fromStdString(decimalText(p.seconds)));
    if (q.kind == PlainSplitKind::Value)
        field(QS2)->setText(QString::fromStdString(decimalText(q.seconds)));
}

void LapTimeEditor::releaseSecondSplitHeader() {
    if (!m_headerHeld)
        return;
    m_headerHeld = false;
    Label6->setText(QStringLiteral("+2nd Split"));
    field(PS2)->setText(ptime->text());
    field(QS2)->setText(qtime->text());
    showStatus(QString());
}

bool LapTimeEditor::save() {
    modd->setText(QStringLiteral("1"));
    TimeSheet sheet = timeSheet();
    saveNormalise(sheet);
    showTimeSheet(sheet);

    CircuitRecord record = m_held;
    QString refused;
    for (int s = 0; s < SlotCount; ++s) {
        const QString value = text(static_cast<Slot>(s));
        const QString why = unstorableReason(value);
        if (!why.isEmpty())
            refused = QString::fromLatin1(kFields[s].accessibleName) + QStringLiteral(": ") + why;
        record[kFields[s].record] = bytesOf(value);
    }
    Status saved = refused.isEmpty()
                       ? saveCircuitRecord(bytesOf(tname->text()), bytesOf(tno->text()), record)
                       : Status(Error{ErrorKind::Unstorable, refused.toStdString()});
    modd->setText(QStringLiteral("0"));
    if (!saved) {
        showMessage(this, {QStringLiteral("Times not saved"),
                           QString::fromStdString(saved.error().message) +
                               QStringLiteral(" Your times are still in the window; press SAVE "
                                              "again once this is put right."),
                           MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    beep();
    return true;
}

void LapTimeEditor::clearAll() {
    const MessageAnswer answer = showMessage(
        this, {QStringLiteral("Clear all Entries"),
               QStringLiteral("This will clear your times for this track, but this will only be "
                              "permanent if you Save. Are you sure ?"),
               MessageButtons::YesNo, MessageIcon::None});
    if (answer != MessageAnswer::Yes)
        return;
    for (QLineEdit* f : m_fields)
        f->clear();
}

HotlapImportWindow* LapTimeEditor::importWindow() {
    if (m_import)
        return m_import;
    m_import = new HotlapImportWindow;
    if (!m_import->load()) {
        QApplication::processEvents();
        if (m_import)
            m_import->close();
        closeEditor();
        return nullptr;
    }
    return m_import;
}

void LapTimeEditor::onActivated() {
    if (m_closing)
        return;
    HotlapImportWindow* import = importWindow();
    if (!import)
        return;
    const QString session = import->session();
    if (session == QLatin1String("Qualifying") || session == QLatin1String("Practice")) {
        completeSession(session == QLatin1String("Practice") ? Session::Practice
                                                             : Session::Qualifying);
        import->close();
    }
}

void LapTimeEditor::openImport() {
    if (HotlapImportWindow* import = importWindow()) {
        import->show();
        import->raise();
    }
}

void LapTimeEditor::showStatus(const QString& text) {
    m_status->setText(text);
}

void LapTimeEditor::closeEditor() {
    if (m_closing)
        return;
    close();
}

bool LapTimeEditor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == diff1) {
        if (type == QEvent::MouseButtonPress)
            pressDifferences(static_cast<QMouseEvent*>(event)->button());
        else if (type == QEvent::MouseButtonRelease)
            releaseDifferences();
    } else if (watched == Label6) {
        if (type == QEvent::MouseButtonPress)
            pressSecondSplitHeader();
        else if (type == QEvent::MouseButtonRelease)
            releaseSecondSplitHeader();
    } else if ((watched == field(PS2) || watched == field(QS2)) && type == QEvent::FocusOut) {
        // Leaving the field for another one of this window; switching to
        // another application or a message box does not count.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !m_closing)
            completeSession(watched == field(PS2) ? Session::Practice : Session::Qualifying);
    }
    return QWidget::eventFilter(watched, event);
}

void LapTimeEditor::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onActivated();
}

void LapTimeEditor::closeEvent(QCloseEvent* event) {
    m_closing = true;
    if (m_import)
        m_import->close();
    QWidget::closeEvent(event);
    if (m_main)
        m_main->show();
}

} // namespace velomark
