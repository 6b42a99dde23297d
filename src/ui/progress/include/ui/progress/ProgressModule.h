// The progress chart as the program sees it: what the editor hands it, and
// the module that draws it, loaded when first asked for.
#pragma once

#include "formats/Circuits.h"

#include <QObject>

#include <array>
#include <optional>
#include <string>

class QWidget;

namespace velomark {

// What the editor hands the window: the circuit, and the times it holds now.
struct ProgressInput {
    CircuitChoice circuit;
    std::array<std::string, 4> storedLaps; // by session, in the files' 8-bit text
    std::optional<double> idealLap;        // seconds, when the stored splits give one
};

// What the progress module gives the program.
class ProgressModule {
  public:
    virtual ~ProgressModule() = default;
    // The window frmprogress, drawn from the history file; it deletes itself on closing.
    virtual QWidget* progressWindow(const ProgressInput& input, const std::string& historyPath) = 0;
};

// The progress window, or nullptr when the module is missing, after a
// message to the player that says so.
QWidget* openProgressWindow(const ProgressInput& input, const std::string& historyPath,
                            QWidget* messageParent);

} // namespace velomark

#define VELOMARK_PROGRESS_MODULE_IID "org.example.velomark.ProgressModule/1"
Q_DECLARE_INTERFACE(velomark::ProgressModule, VELOMARK_PROGRESS_MODULE_IID)
