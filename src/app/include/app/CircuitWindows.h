// The windows of one open circuit: the lap-time editor, and the import and
// progress windows it asks for by signal. The features never see each other:
// here an imported lap goes into the editor, and the editor's end takes its
// import and progress windows along.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace velomark {

class HotlapImportWindow;
class LapTimeEditor;

class CircuitWindows : public QObject {
    Q_OBJECT
  public:
    // Takes over an editor that has loaded; goes when the editor closes.
    CircuitWindows(LapTimeEditor* editor, QObject* parent);

    // The import window with its helpers, then the editor.
    void closeAll();

  private:
    void openImport();
    void closeImport();
    void openProgress();

    QPointer<LapTimeEditor> m_editor;
    QPointer<HotlapImportWindow> m_import;
    QPointer<QWidget> m_progress;
};

} // namespace velomark
