#include "ui/editor/LapTimeEditor.h"

#include "formats/NumberText.h"
#include "platform/Messages.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "platform/WidgetLook.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace velomark {

namespace {

QLabel* label(QWidget* parent, const QString& text, const QString& name = QString()) {
    auto* l = plainLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* button(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

std::string bytesOf(const QString& text) {
    return toFileText(text).value_or(std::string());
}

// Grid rows: Quickrace, Practice differences, Practice, "+/-", Qualifying,
// Qualifying differences, Race.
constexpr int kGridRowOf[kRows] = {2, 4, 6, 8};
constexpr int kPracticeDifferencesRow = 3;
constexpr int kQualifyingDifferencesRow = 7;
// Difference labels stand under 1st, +2nd and 3rd split, then under lap time.
constexpr Column kDifferenceColumns[4] = {Column::Split1, Column::Split2, Column::Split3,
                                          Column::Lap};

int gridColumnOf(Column c) {
    return static_cast<int>(c) + 1;
}

// A column's header as the grid shows it; the +2nd split's header goes back
// to it once a mouse button is let go of it.
QString columnHeader(Column c) {
    return shown(kColumnHeaders[static_cast<size_t>(c)]);
}

} // namespace

LapTimeEditor::LapTimeEditor(CircuitChoice circuit, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(std::move(circuit)) {
    setObjectName(QStringLiteral("frmtimes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Lap Time Data"));

    auto* grid = new QGridLayout;
    buildGrid(grid);
    buildDifferenceLabels(grid);
    m_status = label(this, QString(), QStringLiteral("status"));
    setTextColour(m_status, QColor(160, 0, 0));
    m_status->setWordWrap(true);

    // Below everything the original window has, so none of its controls move.
    //: The button that opens the chart of the circuit's saved lap times over time.
    cmdprogress = button(this, tr("PROGRESS"), "cmdprogress");
    cmdprogress->setAccessibleName(tr("Progress chart of this circuit"));
    cmdprogress->setToolTip(tr("Your saved lap times at this circuit over time."));
    connect(cmdprogress, &QPushButton::clicked, this, &LapTimeEditor::progressRequested);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buildButtons());
    outer->addWidget(m_status);
    outer->addWidget(cmdprogress, 0, Qt::AlignRight);

    wireChangeRules();
    setTabOrder();
}

void LapTimeEditor::buildGrid(QGridLayout* grid) {
    // not translated: the circuit's name, as the data files have it
    track = label(this, shownCaption(circuit()), QStringLiteral("track"));
    track->setAlignment(Qt::AlignCenter);
    QFont trackFont = track->font();
    trackFont.setBold(true);
    trackFont.setPointSizeF(trackFont.pointSizeF() * 1.2);
    track->setFont(trackFont);
    grid->addWidget(track, 0, 0, 1, kColumns + 1);

    for (int c = 0; c < kColumns; ++c) {
        QLabel* h = label(this, columnHeader(static_cast<Column>(c)));
        h->setAlignment(Qt::AlignCenter);
        grid->addWidget(h, 1, gridColumnOf(static_cast<Column>(c)));
        if (static_cast<Column>(c) == Column::Split2)
            Label6 = h;
    }
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setToolTip(tr("Hold a mouse button here to see the 2nd split alone."));
    Label6->installEventFilter(this);

    auto refused = [this](const QString& why) { showStatus(why); };
    for (int r = 0; r < kRows; ++r) {
        const RowSpec& spec = kRowSpecs[static_cast<size_t>(r)];
        grid->addWidget(label(this, shown(spec.label)), kGridRowOf[r], 0);
        for (int c = 0; c < kColumns; ++c) {
            const char* name = spec.cell[static_cast<size_t>(c)];
            if (!name)
                continue;
            auto* f = new QLineEdit(this);
            f->setObjectName(QString::fromLatin1(name));
            //: A field's name, also in messages about it: %1 is its row ("Practice"), %2 its
            //: column ("Lap Time").
            f->setAccessibleName(
                tr("%1 %2").arg(shown(spec.label), columnHeader(static_cast<Column>(c))));
            new StorableTextValidator(f, kTypingLimits[static_cast<size_t>(c)], refused);
            // The session has each change before the window's own rules run.
            connect(f, &QLineEdit::textChanged, this,
                    [this, i = fieldIndex(static_cast<Row>(r), static_cast<Column>(c))](
                        const QString& text) { m_session.type(i, bytesOf(text)); });
            grid->addWidget(f, kGridRowOf[r], gridColumnOf(static_cast<Column>(c)));
            m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)] = f;
        }
    }
    for (Session s : {Session::Practice, Session::Qualifying}) {
        QLineEdit* split2 = cell(rowOf(s), Column::Split2);
        split2->setToolTip(tr("This is an accumulated split time."));
        split2->installEventFilter(this);
    }
}

void LapTimeEditor::buildDifferenceLabels(QGridLayout* grid) {
    for (size_t i = 0; i < xps.size(); ++i) {
        xps[i] = label(this, QString(), QStringLiteral("xps%1").arg(i + 1));
        yps[i] = label(this, QString(), QStringLiteral("yps%1").arg(i + 1));
        for (QLabel* l : {xps[i], yps[i]}) {
            l->setAlignment(Qt::AlignCenter);
            setTextColour(l, QColor(0, 0, 192));
        }
        grid->addWidget(xps[i], kPracticeDifferencesRow, gridColumnOf(kDifferenceColumns[i]));
        grid->addWidget(yps[i], kQualifyingDifferencesRow, gridColumnOf(kDifferenceColumns[i]));
    }

    //: Plus or minus: the label clicked to see the time differences between Practice and
    //: Qualifying.
    diff1 = label(this, tr("+/-"), QStringLiteral("diff1"));
    diff1->setToolTip(tr("Click with Left or Right mouse button to see time differences."));
    diff1->setAlignment(Qt::AlignCenter);
    diff1->setEnabled(false);
    diff1->installEventFilter(this);
    grid->addWidget(diff1, (kGridRowOf[1] + kGridRowOf[2]) / 2, gridColumnOf(Column::Setup));

    ideal = label(this, QString(), QStringLiteral("ideal"));
    ideal->setAlignment(Qt::AlignCenter);
    QSizePolicy keepPlace = ideal->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the window keeps its size while a button is held
    ideal->setSizePolicy(keepPlace);
    ideal->hide();
    grid->addWidget(ideal, kGridRowOf[3] + 1, 0, 1, kColumns + 1);
}

QLayout* LapTimeEditor::buildButtons() {
    //: The button that imports a hot lap from GP2.
    cmdimport = button(this, tr("IMPORT"), "cmdimport");
    //: The button that empties every field of the window.
    cmdclear = button(this, tr("CLEAR"), "cmdclear");
    cmdclose = button(this, tr("CLOSE"), "cmdclose");
    cmdsave = button(this, tr("SAVE"), "cmdsave");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdimport, cmdclear, cmdclose, cmdsave})
        buttons->addWidget(b);
    connect(cmdimport, &QPushButton::clicked, this, &LapTimeEditor::importRequested);
    connect(cmdclear, &QPushButton::clicked, this, &LapTimeEditor::clearAll);
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdsave, &QPushButton::clicked, this, [this] { save(); });
    return buttons;
}

void LapTimeEditor::wireChangeRules() {
    // Typing a lap time clears its session's splits, except while SAVE fills out the texts.
    for (Session s : {Session::Practice, Session::Qualifying}) {
        const Row row = rowOf(s);
        connect(cell(row, Column::Lap), &QLineEdit::textChanged, this, [this, row] {
            if (m_modd)
                return;
            for (Column c : {Column::Split1, Column::Split2, Column::Split3})
                cell(row, c)->clear();
        });
        for (Column c : {Column::Split1, Column::Split2, Column::Split3})
            connect(cell(row, c), &QLineEdit::textChanged, this, &LapTimeEditor::diffcheck);
    }
}

void LapTimeEditor::setTabOrder() {
    // Each row's lap time, splits up to the +2nd and notes; then SAVE and
    // CLOSE; then the two 3rd splits, CLEAR and IMPORT.
    std::vector<QWidget*> order;
    for (int r = 0; r < kRows; ++r)
        for (Column c : {Column::Lap, Column::Split1, Column::Split2, Column::Setup})
            if (QLineEdit* f = cell(static_cast<Row>(r), c))
                order.push_back(f);
    order.insert(order.end(),
                 {cmdsave, cmdclose, cell(Row::Practice, Column::Split3),
                  cell(Row::Qualifying, Column::Split3), cmdclear, cmdimport, cmdprogress});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool LapTimeEditor::load() {
    m_modd = false;
    const Status loaded = m_session.load();
    if (!loaded) {
        QString text;
        if (loaded.error().kind == ErrorKind::Missing)
            //: %1 is why the lap record file cannot be read; INITIALISE ! is the caption of
            //: the main window's button.
            text = tr("%1 Press INITIALISE ! on the main screen to create the lap record files.");
        else
            //: %1 is why the lap record file cannot be read.
            text = tr("%1 The file was left as it is.");
        showMessage(this, {tr("Lap times not found"), text.arg(messageText(loaded.error())),
                           MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    showTyped();
    return true;
}

QLineEdit* LapTimeEditor::cell(Row r, Column c) const {
    return m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

// Writes back only what changed, in field order, so that no change rule runs needlessly.
void LapTimeEditor::showTimeSheet(const TimeSheet& t) {
    auto show = [this](Row r, Column c, const std::string& value) {
        const QString shown = fromFileText(value);
        if (cell(r, c)->text() != shown)
            setFieldText(cell(r, c), shown);
    };
    show(Row::QuickRace, Column::Lap, t.quickRaceLap);
    for (const auto& [row, times] :
         {std::pair{Row::Practice, &t.practice}, std::pair{Row::Qualifying, &t.qualifying}}) {
        show(row, Column::Lap, times->lap);
        show(row, Column::Split1, times->split1);
        show(row, Column::Split2, times->split2);
        show(row, Column::Split3, times->split3);
    }
    show(Row::Race, Column::Lap, t.raceLap);
}

// Every field the window shows, as the session's typed record holds it; what
// the window showed before clears no splits.
void LapTimeEditor::showTyped() {
    const CircuitRecord record = m_session.typed(); // the fields tell the session as they change
    m_modd = true;
    for (const auto& [i, f] : shownFields()) {
        const QString shown = fromFileText(textOf(record[i]));
        if (f->text() != shown)
            setFieldText(f, shown);
    }
    m_modd = false;
    diffcheck();
}

SessionTimes LapTimeEditor::sessionTimes(Session s) const {
    const TimeSheet typed = m_session.sheet();
    return s == Session::Practice ? typed.practice : typed.qualifying;
}

std::optional<Session> LapTimeEditor::secondSplitSession(QObject* watched) const {
    for (Session s : {Session::Practice, Session::Qualifying})
        if (watched == cell(rowOf(s), Column::Split2))
            return s;
    return std::nullopt;
}

void LapTimeEditor::completeSession(Session s) {
    if (!m_session.complete(s)) {
        cell(rowOf(s), Column::Lap)->setFocus(Qt::OtherFocusReason);
        //: A lap time or split that is not a time; the cursor is in its session's lap time.
        const QString text = tr("Correct Error under cursor");
        showMessage(this, {tr("Error !"), text, MessageButtons::Ok, MessageIcon::Stop});
        return;
    }
    showTimeSheet(m_session.sheet()); // a conversion failure keeps what the normalisation did
}

void LapTimeEditor::diffcheck() {
    diff1->setEnabled(
        differencesAvailable(sessionTimes(Session::Practice), sessionTimes(Session::Qualifying)));
}

void LapTimeEditor::pressDifferences(Qt::MouseButton mouseButton) {
    if (!diff1->isEnabled())
        return;
    const bool left = mouseButton == Qt::LeftButton;
    if (!left && mouseButton != Qt::RightButton)
        return; // other buttons show nothing
    const auto shown = timeDifferences(
        sessionTimes(Session::Practice), sessionTimes(Session::Qualifying),
        left ? DifferenceSide::PracticeMinusQualifying : DifferenceSide::QualifyingMinusPractice);
    if (!shown) {
        showStatus(tr("The differences need the 1st and +2nd splits of both sessions, written as "
                      "times (and the 3rd splits, where both are filled)."));
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
    //: The +2nd Split column's header while a mouse button is held on it: the fields then
    //: show the 2nd split alone, not added to the 1st.
    Label6->setText(tr("2nd Split"));
    QLineEdit* ps2 = cell(Row::Practice, Column::Split2);
    QLineEdit* qs2 = cell(Row::Qualifying, Column::Split2);
    m_ptime = ps2->text();
    m_qtime = qs2->text();
    const SessionTimes p = sessionTimes(Session::Practice);
    const SessionTimes q = sessionTimes(Session::Qualifying);
    const PlainSplit pPlain = plainSecondSplit(p.split1, p.split2);
    const PlainSplit qPlain = plainSecondSplit(q.split1, q.split2);
    if (pPlain.kind == PlainSplitKind::Failure || qPlain.kind == PlainSplitKind::Failure) {
        showStatus(
            tr("The 2nd split alone needs the 1st split and the +2nd split written as times."));
        return; // no field changes
    }
    if (pPlain.kind == PlainSplitKind::Value)
        setFieldText(ps2, QString::fromStdString(decimalText(pPlain.seconds)));
    if (qPlain.kind == PlainSplitKind::Value)
        setFieldText(qs2, QString::fromStdString(decimalText(qPlain.seconds)));
}

void LapTimeEditor::releaseSecondSplitHeader() {
    if (!m_headerHeld)
        return;
    m_headerHeld = false;
    Label6->setText(columnHeader(Column::Split2));
    setFieldText(cell(Row::Practice, Column::Split2), m_ptime);
    setFieldText(cell(Row::Qualifying, Column::Split2), m_qtime);
    showStatus(QString());
}

// Whether every field can be stored; the first that cannot is named in a
// message. The fields refuse such characters as they are typed.
bool LapTimeEditor::storable() {
    for (const auto& [i, f] : shownFields()) {
        if (!toFileText(f->text())) {
            //: %1 is a field ("Practice Notes"), %2 why its text cannot be stored.
            const QString why = tr("%1: %2").arg(f->accessibleName(), unstorableReason(f->text()));
            showMessage(this, {tr("Times not saved"), why, MessageButtons::Ok, MessageIcon::Stop});
            return false;
        }
    }
    return true;
}

// Each field the window shows, with its place in the record.
std::vector<std::pair<size_t, QLineEdit*>> LapTimeEditor::shownFields() const {
    std::vector<std::pair<size_t, QLineEdit*>> fields;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (QLineEdit* f = cell(static_cast<Row>(r), static_cast<Column>(c)))
                fields.emplace_back(fieldIndex(static_cast<Row>(r), static_cast<Column>(c)), f);
    return fields;
}

namespace {

// "the Qualifying times and the Race notes"
QString joinedNames(const std::vector<Sentence>& names) {
    QStringList named;
    for (const Sentence& name : names)
        //: One of the things changed both here and elsewhere: %1 is "Qualifying times",
        //: "Race notes" and the like.
        named << QCoreApplication::translate("velomark::LapTimeEditor", "the %1").arg(shown(name));
    const QString last = named.takeLast();
    if (named.isEmpty())
        return last;
    // not translated: ", " joins all but the last two
    //: The last two of a list of things changed: "the Practice times, the Qualifying
    //: times and the Race notes".
    return QCoreApplication::translate("velomark::LapTimeEditor", "%1 and %2")
        .arg(named.join(QStringLiteral(", ")), last);
}

// The buttons, in the order of OverChange.
constexpr const char* kChoiceCaptions[] = {
    //: A button of the question "Times changed elsewhere": store both sides' changes.
    QT_TRANSLATE_NOOP("velomark::LapTimeEditor", "Keep both"),
    //: A button of the question "Times changed elsewhere": store the window's times over
    //: the new ones.
    QT_TRANSLATE_NOOP("velomark::LapTimeEditor", "Overwrite"),
    QT_TRANSLATE_NOOP("velomark::LapTimeEditor", "Go back to the stored times"),
    QT_TRANSLATE_NOOP("velomark::LapTimeEditor", "Cancel")};

// The sentences under the reason, one a line: what each choice does.
QString choicesExplained(const MergedEdits& met) {
    QStringList lines;
    if (met.clashes.empty())
        //: Keep both is the caption of the button this line explains.
        lines << QCoreApplication::translate(
            "velomark::LapTimeEditor", "Keep both: your changes are stored over the new times.");
    else
        //: %1 is what was changed both here and elsewhere ("the Qualifying times").
        lines << QCoreApplication::translate(
                     "velomark::LapTimeEditor",
                     "You changed %1 here as well: only one of the two can be kept.")
                     .arg(joinedNames(met.clashes));
    //: Overwrite is the caption of the button this line explains.
    lines << QCoreApplication::translate(
        "velomark::LapTimeEditor", "Overwrite: the times in this window replace the new ones.");
    //: Go back stands for the button "Go back to the stored times", which this line explains.
    lines << QCoreApplication::translate(
        "velomark::LapTimeEditor",
        "Go back: the window shows the stored times and your changes are dropped.");
    return lines.join(QLatin1Char('\n'));
}

// What the player is asked when the record was stored anew elsewhere: each
// field changed there and here in the details, and the choices offered.
Message changedElsewhere(const ChangedElsewhere& asked) {
    const MergedEdits& met = asked.edits;
    //: Heads the list of the fields changed in the file since the window read it.
    QStringList details{
        QCoreApplication::translate("velomark::LapTimeEditor", "Changed elsewhere:")};
    for (const FieldChange& change : met.theirs)
        details << shown(fieldChangeText(change));
    //: Heads the list of the fields changed in the window.
    details << QString()
            << QCoreApplication::translate("velomark::LapTimeEditor", "Changed by you:");
    if (met.yours.empty())
        //: The list of the fields changed in the window is empty.
        details << QCoreApplication::translate("velomark::LapTimeEditor", "nothing");
    for (const FieldChange& change : met.yours)
        details << shown(fieldChangeText(change));
    const QString text = messageText(asked.why) + QStringLiteral("\n\n") + choicesExplained(met);
    Message message{
        QCoreApplication::translate("velomark::LapTimeEditor", "Times changed elsewhere"), text,
        MessageButtons::Choices};
    message.details = details.join(QLatin1Char('\n'));
    for (OverChange choice : asked.choices)
        message.choices << QCoreApplication::translate(
            "velomark::LapTimeEditor", kChoiceCaptions[static_cast<size_t>(choice)]);
    return message;
}

// The choice answered; Cancel for Escape or a closed box.
OverChange chosen(MessageAnswer answer, const std::vector<OverChange>& choices) {
    const auto i =
        static_cast<size_t>(static_cast<int>(answer) - static_cast<int>(MessageAnswer::Choice1));
    return answer < MessageAnswer::Choice1 || i >= choices.size() ? OverChange::Cancel : choices[i];
}

// What the status line says after a save. The times are stored whatever it says.
QString statusAfterSave(const SavedTimes& done) {
    QStringList lines;
    for (const SaveNote& note : saveNotes(done)) {
        switch (note.kind) {
        case SaveNote::Kind::Improvement:
            lines << shown(note.text);
            break;
        case SaveNote::Kind::HistoryNotUpdated:
            //: %1 is why the history file was not written.
            lines << QCoreApplication::translate(
                         "velomark::LapTimeEditor",
                         "Your times are saved, but the history was not updated: %1")
                         .arg(messageText(*note.error));
            break;
        case SaveNote::Kind::SplitWarning:
            // not translated: the full stop ends the session's own warning
            lines << shown(note.text) + QStringLiteral(".");
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool LapTimeEditor::save() {
    if (!storable())
        return false;
    const SaveOutcome outcome = m_session.save([this](const ChangedElsewhere& asked) {
        return chosen(showMessage(this, changedElsewhere(asked)), asked.choices);
    });
    switch (outcome.end) {
    case SaveEnd::Cancelled:
        showStatus(tr("Nothing was saved: your times are still in the window."));
        return false;
    case SaveEnd::WentBack:
        showTyped();
        showStatus(tr("Nothing was saved: your changes were dropped, and the window shows the "
                      "stored times."));
        return false;
    case SaveEnd::Failed: {
        showTyped(); // filled out all the same
        //: %1 is why the lap record file was not written; SAVE is the caption of the button.
        const QString why = tr("%1 Your times are still in the window; press SAVE again once "
                               "this is put right.")
                                .arg(messageText(outcome.done->saved.error()));
        showMessage(this, {tr("Times not saved"), why, MessageButtons::Ok, MessageIcon::Stop});
        return false;
    }
    case SaveEnd::Saved:
        break;
    }
    showTyped();
    showStatus(statusAfterSave(*outcome.done));
    beep();
    emit saved();
    return true;
}

void LapTimeEditor::clearAll() {
    const MessageAnswer answer = showMessage(
        this, {tr("Clear all Entries"),
               tr("This will clear your times for this track, but this will only be permanent if "
                  "you Save. Are you sure ?"),
               MessageButtons::YesNo, MessageIcon::None});
    if (answer != MessageAnswer::Yes)
        return;
    for (const auto& row : m_cells)
        for (QLineEdit* f : row)
            if (f)
                f->clear();
}

void LapTimeEditor::insertLap(RecordSession slot, const std::string& lap, const std::string& split1,
                              const std::string& split2) {
    // Shown field by field in the sheet's order: the lap time before its
    // splits, so that its change rule runs on the fields as it runs in the sheet.
    m_session.insert({slot, lap, split1, split2});
    showTimeSheet(m_session.sheet());
}

// An imported Practice or Qualifying lap gets its 3rd split once the editor
// is active again, and the import window, its work done, may close.
void LapTimeEditor::onActivated() {
    if (m_closing)
        return;
    if (const std::optional<Session> s = m_session.takeCompletion()) {
        completeSession(*s);
        emit importFinished();
    }
}

void LapTimeEditor::showStatus(const QString& text) {
    m_status->setText(text);
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
    } else if (type == QEvent::FocusOut) {
        // Leaving the field for another one of this window; switching to
        // another application or a message box does not count.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const std::optional<Session> s = secondSplitSession(watched);
        if (s && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !m_closing)
            completeSession(*s);
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
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace velomark
