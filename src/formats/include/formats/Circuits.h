// The three tracksets and their circuit lists: button captions (name, line
// feed, country) and report headings (name, " - ", country).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velomark {

enum class Trackset { Standard, TrackPack, Custom };
inline constexpr Trackset kTracksetsInOrder[] = {Trackset::Standard, Trackset::TrackPack,
                                                 Trackset::Custom};

struct Circuit {
    std::string_view name;
    std::string_view country;
};

// The 16 circuits of a fixed list (Standard or TrackPack), in circuit order.
const std::array<Circuit, 16>& fixedCircuits(Trackset set);

std::string buttonCaption(const Circuit& c); // "Interlagos\nBrazil"
std::string reportHeading(const Circuit& c); // "Interlagos - Brazil"

// A Custom caption as a heading: every line feed becomes " - ".
std::string customHeading(std::string_view caption);

std::string_view lapRecordFileName(Trackset set); // set1.dat, set2.dat, set3.dat
std::string_view mainWindowHeading(Trackset set); // "Standard GP2 Circuits", ...
std::string_view optionCaption(Trackset set);     // "Standard", "TrackPack", "Custom"
// What the reports' check boxes, the history and the CSV files call it:
// "Standard", "IA Track Pack", "Custom"; and the trackset of such a name.
std::string_view tracksetName(Trackset set);
std::optional<Trackset> tracksetNamed(std::string_view name);

// A circuit as the main window hands it to the editor and the import.
struct CircuitChoice {
    Trackset trackset = Trackset::Standard;
    int number = 0;      // 1 to 16
    std::string caption; // name, line feed, country, in the files' 8-bit text
};

} // namespace velomark
