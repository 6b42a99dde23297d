// What the five export windows share: a prompt, the check boxes chk1 to chk3
// of the three tracksets (Standard ticked at opening), optional text fields,
// the action button Command1 and Cancel (Command2). Each window closes itself
// after its work and on Cancel, so every opening starts from this state.
#pragma once

#include "laps/DataFiles.h"
#include "laps/ReportModel.h"

#include <QWidget>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velomark {

class ReportWindow : public QWidget {
    Q_OBJECT
  public:
    TracksetChoice ticked() const;

    // Command1: the window's export.
    virtual void run() = 0;

  protected:
    ReportWindow(const char* name, const QString& caption, const QString& prompt,
                 const QString& action);

    // A labelled text field between the check boxes and the buttons.
    QLineEdit* addField(const char* name, const QString& label, const QString& text);
    // Where a field says why it refused a character.
    QLabel* addStatusLine();

    // "Ooops!" with the stop icon and what stopped the report.
    void showStop(const ReportStop& stop);
    // A target file that could not be written, named as the player typed it;
    // the window stays open with everything typed.
    void showWriteError(const Error& error);
    // After a file export: what stopped it or the write error, else the beep;
    // the window closes unless the target could not be written.
    void finishFileExport(const ExportResult& result);

    QCheckBox* chk1 = nullptr;
    QCheckBox* chk2 = nullptr;
    QCheckBox* chk3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  private:
    QFormLayout* m_fields = nullptr;
};

} // namespace velomark
