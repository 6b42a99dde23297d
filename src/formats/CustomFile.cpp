#include "formats/CustomFile.h"

#include "files/SafeReplace.h"
#include "formats/FieldLine.h"
#include "formats/LapRecordFile.h"
#include "formats/LineEnds.h"

#include <vector>

namespace velomark {

namespace {
constexpr size_t kCaptionsPerLine = 8;
} // namespace

Result<CustomCaptions> readCustomCaptions(const std::string& path) {
    Result<std::string> bytes = realFileOps().readAll(path);
    if (!bytes && bytes.error().kind != ErrorKind::Missing)
        return bytes.error(); // too large, or not a file: the message says which
    if (!bytes)
        return Error{ErrorKind::Missing,
                     Sentence(VM_TEXT("Custom", "The custom circuit file %1 cannot be read."),
                              {utf8Text(path)}),
                     path};
    FieldReader reader(*bytes);
    CustomCaptions captions;
    for (std::string& caption : captions) {
        std::optional<Field> f = reader.next();
        if (!f)
            return Error{
                &caption == captions.data() ? ErrorKind::Empty : ErrorKind::Short,
                Sentence(
                    VM_TEXT("Custom", "The custom circuit file %1 holds fewer than 16 circuits."),
                    {utf8Text(path)}),
                path};
        caption = withLineFeedBreaks(textOf(*f)); // as an editor may have changed them
    }
    return captions;
}

std::string blankCustomFile() {
    std::string line;
    appendLine(line, std::vector<Field>(16));
    return line;
}

Status writeCustomCaptions(const CustomCaptions& captions, FileOps& ops, const std::string& path) {
    std::string out;
    for (size_t first = 0; first < captions.size(); first += kCaptionsPerLine) {
        const std::vector<Field> line(captions.begin() + static_cast<std::ptrdiff_t>(first),
                                      captions.begin() +
                                          static_cast<std::ptrdiff_t>(first + kCaptionsPerLine));
        if (std::optional<Sentence> why = unwritableReason(line))
            return Error{
                ErrorKind::Unstorable,
                Sentence(VM_TEXT("Custom", "The custom circuits cannot be saved: %1."), {*why})};
        appendLine(out, line);
    }
    return replaceFileSafely(ops, path, out, kScratchFileName);
}

} // namespace velomark
