// The Hot laps window as the program sees it: the module that holds the
// window, its table and its reader, loaded on the first press of "Hot laps".
#pragma once

#include "formats/Circuits.h"
#include "laps/HotlapFolder.h"

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace velomark {

class HotlapsModule {
  public:
    virtual ~HotlapsModule() = default;
    // The window frmhotlaps against set's bests, not yet read; it deletes
    // itself on closing. saved runs after each take that stored times.
    virtual QWidget* hotlapsWindow(Trackset set, std::function<void()> saved) = 0;
    // What the watch asks of a window made above (see HotlapsWindow).
    virtual void reload(QWidget* window) = 0;
    virtual void putReading(QWidget* window, const std::string& folder,
                            const HotlapReading& reading) = 0;
    virtual void lookAgain(QWidget* window) = 0;
};

// The module, or nullptr when it is missing, after a message to the player
// that says so.
HotlapsModule* hotlapsModule(QWidget* messageParent);

} // namespace velomark

#define VELOMARK_HOTLAPS_MODULE_IID "org.example.velomark.HotlapsModule/1"
Q_DECLARE_INTERFACE(velomark::HotlapsModule, VELOMARK_HOTLAPS_MODULE_IID)
