// The three tracksets and their circuit lists: button captions (name, line
// feed, country) and report headings (name, " - ", country). The fixed
// circuits' names and countries and the tracksets' words are English source
// texts: the files and the CSV exports hold them so, the windows translate them.
#pragma once

#include "files/Sentence.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velomark {

enum class Trackset { Standard, TrackPack, Custom };
inline constexpr Trackset kTracksetsInOrder[] = {Trackset::Standard, Trackset::TrackPack,
                                                 Trackset::Custom};

struct Circuit {
    SourceText name;
    SourceText country;
};

// The 16 circuits of a fixed list (Standard or TrackPack), in circuit order.
const std::array<Circuit, 16>& fixedCircuits(Trackset set);

// In English, as the history, the CSV exports and the hot-lap dump name them.
std::string buttonCaption(const Circuit& c); // "Interlagos\nBrazil"
std::string reportHeading(const Circuit& c); // "Interlagos - Brazil"
// The fixed circuit a choice names; nothing for a Custom one (its caption is the player's own).
std::optional<Circuit> fixedCircuitOf(Trackset set, int number);

// A Custom caption as a heading: every line feed becomes " - ".
std::string customHeading(std::string_view caption);

std::string_view lapRecordFileName(Trackset set); // set1.dat, set2.dat, set3.dat
SourceText mainWindowHeading(Trackset set);       // "Standard GP2 Circuits", ...
SourceText optionCaption(Trackset set);           // "Standard", "TrackPack", "Custom"
// What the reports' check boxes, the history and the CSV files call it:
// "Standard", "IA Track Pack", "Custom"; and the trackset of such a name.
SourceText tracksetName(Trackset set);
std::optional<Trackset> tracksetNamed(std::string_view name);

// A circuit as the main window hands it to the editor and the import.
struct CircuitChoice {
    Trackset trackset = Trackset::Standard;
    int number = 0;      // 1 to 16
    std::string caption; // name, line feed, country, in the files' 8-bit text
};

} // namespace velomark
