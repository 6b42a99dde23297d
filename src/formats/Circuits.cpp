#include "formats/Circuits.h"

namespace velomark {

namespace {

// Each name and country as GP2 shows them, translated for the windows into the
// form usual in the player's language.
constexpr std::array<Circuit, 16> kStandard{{
    {VM_TEXT("Circuits", "Interlagos"), VM_TEXT("Circuits", "Brazil")},
    {VM_TEXT("Circuits", "TI Circuit Aida"), VM_TEXT("Circuits", "Pacific")},
    {VM_TEXT("Circuits", "Imola"), VM_TEXT("Circuits", "San Marino")},
    {VM_TEXT("Circuits", "Monte Carlo"), VM_TEXT("Circuits", "Monaco")},
    {VM_TEXT("Circuits", "Barcelona"), VM_TEXT("Circuits", "Spain")},
    {VM_TEXT("Circuits", "Gilles Villeneuve"), VM_TEXT("Circuits", "Canada")},
    {VM_TEXT("Circuits", "Magny Cours"), VM_TEXT("Circuits", "France")},
    {VM_TEXT("Circuits", "Silverstone"), VM_TEXT("Circuits", "Great Britain")},
    {VM_TEXT("Circuits", "Hockenheim"), VM_TEXT("Circuits", "Germany")},
    {VM_TEXT("Circuits", "Hungaroring"), VM_TEXT("Circuits", "Hungary")},
    {VM_TEXT("Circuits", "Spa Francorchamps"), VM_TEXT("Circuits", "Belgium")},
    {VM_TEXT("Circuits", "Monza"), VM_TEXT("Circuits", "Italy")},
    {VM_TEXT("Circuits", "Estoril"), VM_TEXT("Circuits", "Portugal")},
    {VM_TEXT("Circuits", "Jerez"), VM_TEXT("Circuits", "Europe")},
    {VM_TEXT("Circuits", "Suzuka"), VM_TEXT("Circuits", "Japan")},
    {VM_TEXT("Circuits", "Adelaide"), VM_TEXT("Circuits", "Australia")},
}};

constexpr std::array<Circuit, 16> kTrackPack{{
    {VM_TEXT("Circuits", "Brands Hatch"), VM_TEXT("Circuits", "Ireland")},
    {VM_TEXT("Circuits", "Buenos Aires"), VM_TEXT("Circuits", "Argentina")},
    {VM_TEXT("Circuits", "Imola"), VM_TEXT("Circuits", "San Marino")},
    {VM_TEXT("Circuits", "Monte Carlo"), VM_TEXT("Circuits", "Monaco")},
    {VM_TEXT("Circuits", "Barcelona"), VM_TEXT("Circuits", "Spain")},
    {VM_TEXT("Circuits", "Gilles Villeneuve"), VM_TEXT("Circuits", "Canada")},
    {VM_TEXT("Circuits", "Paul Ricard"), VM_TEXT("Circuits", "France")},
    {VM_TEXT("Circuits", "Silverstone"), VM_TEXT("Circuits", "Great Britain")},
    {VM_TEXT("Circuits", "Hockenheim"), VM_TEXT("Circuits", "Germany")},
    {VM_TEXT("Circuits", "A1 Ring"), VM_TEXT("Circuits", "Austria")},
    {VM_TEXT("Circuits", "Spa Francorchamps"), VM_TEXT("Circuits", "Belgium")},
    {VM_TEXT("Circuits", "Zandvoort"), VM_TEXT("Circuits", "Netherlands")},
    {VM_TEXT("Circuits", "Nurburgring"), VM_TEXT("Circuits", "Luxembourg")},
    {VM_TEXT("Circuits", "Donnington Park"), VM_TEXT("Circuits", "Europe")},
    {VM_TEXT("Circuits", "Suzuka"), VM_TEXT("Circuits", "Japan")},
    {VM_TEXT("Circuits", "Melbourne"), VM_TEXT("Circuits", "Australia")},
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

std::optional<Circuit> fixedCircuitOf(Trackset set, int number) {
    if (set == Trackset::Custom || number < 1 || number > 16)
        return std::nullopt;
    return fixedCircuits(set)[static_cast<size_t>(number - 1)];
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
// The file name is never translated, nor is the name in the files; the
// windows show the option, heading and name translated.
struct TracksetTexts {
    std::string_view file;
    SourceText option, heading, name;
};
constexpr TracksetTexts kTracksets[] = {
    {"set1.dat", VM_TEXT("Tracksets", "Standard"), VM_TEXT("Tracksets", "Standard GP2 Circuits"),
     VM_TEXT("Tracksets", "Standard")},
    {"set2.dat", VM_TEXT("Tracksets", "TrackPack"), VM_TEXT("Tracksets", "IA Track Pack Circuits"),
     VM_TEXT("Tracksets", "IA Track Pack")},
    {"set3.dat", VM_TEXT("Tracksets", "Custom"),
     VM_TEXT("Tracksets", "User-defined Custom Circuits"), VM_TEXT("Tracksets", "Custom")},
};

const TracksetTexts& textsOf(Trackset set) {
    return kTracksets[static_cast<size_t>(set)];
}

} // namespace

std::string_view lapRecordFileName(Trackset set) {
    return textsOf(set).file;
}

SourceText mainWindowHeading(Trackset set) {
    return textsOf(set).heading;
}

SourceText optionCaption(Trackset set) {
    return textsOf(set).option;
}

SourceText tracksetName(Trackset set) {
    return textsOf(set).name;
}

std::optional<Trackset> tracksetNamed(std::string_view name) {
    for (Trackset set : kTracksetsInOrder)
        if (textsOf(set).name == name)
            return set;
    return std::nullopt;
}

} // namespace velomark
