#include "formats/Circuits.h"

namespace velomark {

namespace {

constexpr std::array<Circuit, 16> kStandard{{
    {"Interlagos", "Brazil"},
    {"TI Circuit Aida", "Pacific"},
    {"Imola", "San Marino"},
    {"Monte Carlo", "Monaco"},
    {"Barcelona", "Spain"},
    {"Gilles Villeneuve", "Canada"},
    {"Magny Cours", "France"},
    {"Silverstone", "Great Britain"},
    {"Hockenheim", "Germany"},
    {"Hungaroring", "Hungary"},
    {"Spa Francorchamps", "Belgium"},
    {"Monza", "Italy"},
    {"Estoril", "Portugal"},
    {"Jerez", "Europe"},
    {"Suzuka", "Japan"},
    {"Adelaide", "Australia"},
}};

constexpr std::array<Circuit, 16> kTrackPack{{
    {"Brands Hatch", "Ireland"},
    {"Buenos Aires", "Argentina"},
    {"Imola", "San Marino"},
    {"Monte Carlo", "Monaco"},
    {"Barcelona", "Spain"},
    {"Gilles Villeneuve", "Canada"},
    {"Paul Ricard", "France"},
    {"Silverstone", "Great Britain"},
    {"Hockenheim", "Germany"},
    {"A1 Ring", "Austria"},
    {"Spa Francorchamps", "Belgium"},
    {"Zandvoort", "Netherlands"},
    {"Nurburgring", "Luxembourg"},
    {"Donnington Park", "Europe"},
    {"Suzuka", "Japan"},
    {"Melbourne", "Australia"},
}};

} // namespace

const std::array<Circuit, 16>& fixedCircuits(Trackset set) {
    return set == Trackset::TrackPack ? kTrackPack : kStandard;
}

std::string buttonCaption(const Circuit& c) {
    return std::string(c.name) + '\n' + std::string(c.country);
}

std::string reportHeading(const Circuit& c) {
    return std::string(c.name) + " - " + std::string(c.country);
}

std::string customHeading(std::string_view caption) {
    std::string heading;
    for (char c : caption) {
        if (c == '\n')
            heading += " - ";
        else
            heading += c;
    }
    return heading;
}

namespace {

// What each trackset is called where, in the order of the Trackset values.
struct TracksetTexts {
    std::string_view file, option, heading, name;
};
constexpr TracksetTexts kTracksets[] = {
    {"set1.dat", "Standard", "Standard GP2 Circuits", "Standard"},
    {"set2.dat", "TrackPack", "IA Track Pack Circuits", "IA Track Pack"},
    {"set3.dat", "Custom", "User-defined Custom Circuits", "Custom"},
};

const TracksetTexts& textsOf(Trackset set) {
    return kTracksets[static_cast<size_t>(set)];
}

} // namespace

std::string_view lapRecordFileName(Trackset set) {
    return textsOf(set).file;
}

std::string_view mainWindowHeading(Trackset set) {
    return textsOf(set).heading;
}

std::string_view optionCaption(Trackset set) {
    return textsOf(set).option;
}

std::string_view tracksetName(Trackset set) {
    return textsOf(set).name;
}

std::optional<Trackset> tracksetNamed(std::string_view name) {
    for (Trackset set : kTracksetsInOrder)
        if (textsOf(set).name == name)
            return set;
    return std::nullopt;
}

} // namespace velomark
