#include "catalogue/Circuits.h"

#include "store/FieldLine.h"
#include "store/FileOps.h"

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

std::string_view lapRecordFileName(Trackset set) {
    switch (set) {
    case Trackset::Standard:
        return "set1.dat";
    case Trackset::TrackPack:
        return "set2.dat";
    case Trackset::Custom:
        return "set3.dat";
    }
    return "set1.dat";
}

std::string_view mainWindowHeading(Trackset set) {
    switch (set) {
    case Trackset::Standard:
        return "Standard GP2 Circuits";
    case Trackset::TrackPack:
        return "IA Track Pack Circuits";
    case Trackset::Custom:
        return "User-defined Custom Circuits";
    }
    return {};
}

std::string_view optionCaption(Trackset set) {
    switch (set) {
    case Trackset::Standard:
        return "Standard";
    case Trackset::TrackPack:
        return "TrackPack";
    case Trackset::Custom:
        return "Custom";
    }
    return {};
}

Result<std::array<std::string, 16>> readCustomCaptions(const std::string& path) {
    Result<std::string> bytes = realFileOps().readAll(path);
    if (!bytes)
        return Error{ErrorKind::Missing, "The custom circuit file " + path + " cannot be read."};
    FieldReader reader(*bytes);
    std::array<std::string, 16> captions;
    for (std::string& caption : captions) {
        std::optional<Field> f = reader.next();
        if (!f)
            return Error{ErrorKind::Short,
                         "The custom circuit file " + path + " holds fewer than 16 circuits."};
        caption = textOf(*f);
    }
    return captions;
}

} // namespace velomark
