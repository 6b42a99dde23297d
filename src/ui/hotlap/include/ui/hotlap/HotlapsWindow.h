// The window frmhotlaps, "Hot laps in GP2": every hot lap in gpsaves at once,
// read in the background and set against the stored bests of the trackset
// the player chooses; "Take selected" and "Take all faster" (of clean laps
// only, when the player asks) store laps through SAVE after one confirmation.
// Enter or a double-click on a row shows what GP2Lap recorded about its lap.
#pragma once

#include "files/FileOps.h"
#include "formats/Circuits.h"
#include "laps/HotlapBests.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QElapsedTimer;
class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace velomark {

class HotlapReader;
class HotlapTable;

class HotlapsWindow : public QWidget {
    Q_OBJECT
    // Asked by name where the window came from its module.
    Q_PROPERTY(bool reading READ reading)

  public:
    explicit HotlapsWindow(Trackset set, QWidget* parent = nullptr);

    // Reads gp2path, lists gpsaves (its absolute path) and starts reading its
    // hot laps; without a GP2 directory the window says how to set one. A
    // saves folder that is missing or cannot be read is named in one sentence
    // and looked for again every few seconds until it can be listed.
    void reload();
    bool reading() const;
    // A hot lap in the native folder, read again since (the watch saw it
    // land): its row is updated when the window shows that folder.
    void putReading(const std::string& folder, const HotlapReading& reading);
    // Lists the saves folder again when it went, came back, or another came
    // in its place since it was listed (the watch saw something happen there).
    void lookAgain();

    // The two buttons' work: the rows given, or every row.
    void takeSelected();
    void takeAllFaster();

  signals:
    void readingDone(); // the folder's hot laps are in the table
    void saved();       // a take stored times in a lap record file

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void addDetailsAction();
    void showDetails(const QModelIndex& index);
    void addSortMenu();
    QLayout* buildChoice(Trackset set);
    QLayout* buildButtons();
    Trackset chosenTrackset() const;
    void compareAgain();
    void onRead(const std::vector<HotlapReading>& readings);
    void showCounts();
    void take(const std::vector<size_t>& indices, bool onlyBeating);
    QString nothingToTake(const std::vector<size_t>& indices, bool onlyBeating,
                          const QStringList& leftOut) const;
    bool confirmed(const std::vector<PlannedTake>& plan, const QStringList& leftOut);
    void store(const std::vector<PlannedTake>& plan);
    void showTakeProgress(const QElapsedTimer& clock, int done, int total);

    std::string m_dos;       // the saves folder, DOS form, absolute; "" without a GP2 directory
    std::string m_nativeDir; // and as the file system names it
    bool m_listed = false;   // the table shows it (else the folder line says why not)
    std::optional<FileIdentity> m_listedId; // the folder listed
    QTimer* m_lookAgain = nullptr;          // while it cannot be listed
    std::vector<HotlapReading> m_arrived;   // from the watch while the folder was read
    int m_notFiles = 0;
    TracksetBests m_bests;

    HotlapReader* m_reader = nullptr;
    HotlapTable* m_table = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QLabel* m_folder = nullptr; // the saves folder, or how to set the GP2 directory
    std::array<QRadioButton*, 3> m_options{};
    QTableView* m_view = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_counts = nullptr; // one line under the table
    QLabel* m_status = nullptr; // what the last take did
    QPushButton* m_takeSelected = nullptr;
    QPushButton* m_takeFaster = nullptr;
    QCheckBox* m_onlyClean = nullptr; // "Take all faster" takes clean laps only
};

} // namespace velomark
