#include "files/OwnFiles.h"

#include "files/DiskPath.h"
#include "files/FileOps.h"

#include <filesystem>
#include <system_error>

namespace velomark {

namespace {

namespace fs = std::filesystem;

struct OwnFile {
    const char* name;
    SourceText what;
};

constexpr OwnFile kOwnFiles[] = {
    {"set1.dat", VM_TEXT("Files", "Velomark's lap record file of your Standard circuits")},
    {"set2.dat", VM_TEXT("Files", "Velomark's lap record file of your IA Track Pack circuits")},
    {"set3.dat", VM_TEXT("Files", "Velomark's lap record file of your Custom circuits")},
    {"custom", VM_TEXT("Files", "Velomark's list of the names of your Custom circuits")},
    {"gp2path", VM_TEXT("Files", "Velomark's setting of your GP2 directory")},
    {"history.csv", VM_TEXT("Files", "Velomark's own history of your saved times")},
    {"temp.dat", VM_TEXT("Files", "the scratch file through which Velomark saves its data files")},
    {"history.pending", VM_TEXT("Files", "Velomark's note of the history rows a save is adding")},
    {"velomark.lock",
     VM_TEXT("Files",
             "the file by which Velomark keeps a second copy of itself out of this folder")},
};

// Where a write to path lands: through every link at the file's place (a
// chain of them, even one that leads nowhere yet), and through the links of
// its folders.
fs::path landing(const fs::path& path) {
    std::error_code ec;
    fs::path at = fs::absolute(path, ec);
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(at, ec)); ++hops) {
        const fs::path next = fs::read_symlink(at, ec);
        if (ec)
            break;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    const fs::path resolved = fs::weakly_canonical(at, ec);
    return ec ? at : resolved;
}

bool sameEntry(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// The own file that the landing place is, by name in the data folder, or by
// being that very file under another name (a hard link, a short name).
const OwnFile* ownFileAt(const fs::path& at) {
    std::error_code ec;
    const fs::path dataFolder = fs::current_path(ec);
    if (ec)
        return nullptr;
    std::string name = utf8Path(at.filename());
#ifdef _WIN32
    // Windows drops dots and blanks at the end of a name: history.csv. is history.csv.
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
#endif
    const bool inDataFolder = sameEntry(at.parent_path(), dataFolder);
    const bool exists = fs::exists(at, ec);
    for (const OwnFile& own : kOwnFiles)
        if ((inDataFolder && equalIgnoringCase(name, own.name)) ||
            (exists && sameEntry(at, dataFolder / own.name)))
            return &own;
    return nullptr;
}

} // namespace

std::optional<Error> ownFileRefusal(const std::string& path) {
    const fs::path given = diskPath(path);
    const OwnFile* own = ownFileAt(landing(given));
    if (!own)
        return std::nullopt;
    std::error_code ec;
    const bool named = equalIgnoringCase(utf8Path(given.filename()), own->name) &&
                       !fs::is_symlink(fs::symlink_status(given, ec));
    return Error{ErrorKind::OwnFile,
                 named ? Sentence(VM_TEXT("Files", "%1 is %2; choose another name for the export."),
                                  {utf8Text(path), Sentence(own->what)})
                       : Sentence(VM_TEXT("Files", "%1 leads to %2, %3; choose another name for "
                                                   "the export."),
                                  {utf8Text(path), own->name, Sentence(own->what)}),
                 path};
}

} // namespace velomark
