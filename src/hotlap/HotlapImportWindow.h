// The hot-lap import window frmhof. Its load step reads the GP2 directory;
// INSERT hands the chosen lap to the editor through lapChosen.
#pragma once

#include "catalogue/Circuits.h"
#include "hotlap/ImportedLap.h"

#include <QWidget>

#include <string>

namespace velomark {

class HotlapImportWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HotlapImportWindow(CircuitChoice circuit, QWidget* parent = nullptr);

    // Reads gp2path. When it cannot be read, tells the player to set the GP2
    // directory and returns false; the window is then not shown.
    bool load();

  signals:
    void lapChosen(const velomark::ImportedLap& lap);

  private:
    const CircuitChoice m_circuit;
    std::string m_gp2p; // the GP2 directory, as stored
};

} // namespace velomark
