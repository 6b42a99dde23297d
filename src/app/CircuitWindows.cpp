#include "app/CircuitWindows.h"

#include "laps/History.h"
#include "ui/editor/LapTimeEditor.h"
#include "ui/hotlap/HotlapImportWindow.h"
#include "ui/progress/ProgressModule.h"

namespace velomark {

namespace {

void bringUp(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

CircuitWindows::CircuitWindows(LapTimeEditor* editor, QObject* parent)
    : QObject(parent), m_editor(editor) {
    connect(editor, &LapTimeEditor::importRequested, this, &CircuitWindows::openImport);
    connect(editor, &LapTimeEditor::importFinished, this, &CircuitWindows::closeImport);
    connect(editor, &LapTimeEditor::progressRequested, this, &CircuitWindows::openProgress);
    connect(editor, &LapTimeEditor::closed, this, [this] {
        closeImport();
        if (m_progress)
            m_progress->close();
        deleteLater();
    });
}

void CircuitWindows::closeAll() {
    closeImport();
    if (m_editor)
        m_editor->close();
}

void CircuitWindows::openImport() {
    if (!m_import) {
        auto* import = new HotlapImportWindow(m_editor->circuit());
        if (!import->load()) { // the player was told to set the GP2 directory
            delete import;
            return;
        }
        connect(import, &HotlapImportWindow::lapChosen, m_editor, [this](const ImportedLap& lap) {
            m_editor->insertLap(lap.slot, lap.lap, lap.split1, lap.split2);
        });
        m_import = import;
    }
    bringUp(m_import);
}

void CircuitWindows::closeImport() {
    if (m_import)
        m_import->close();
}

void CircuitWindows::openProgress() {
    if (!m_progress) {
        const EditorSession& session = m_editor->session();
        ProgressInput input{m_editor->circuit(), {}, session.heldIdealLap()};
        for (RecordSession s : kRecordSessions)
            input.storedLaps[static_cast<size_t>(s)] =
                textOf(session.held()[fieldIndex(s, RecordField::Lap)]);
        m_progress = openProgressWindow(input, kHistoryFileName, m_editor);
        if (!m_progress) // the player was told the chart's module is missing
            return;
    }
    bringUp(m_progress);
}

} // namespace velomark
