#include "formats/HofBat.h"

#include "files/FileOps.h"
#include "formats/FieldLine.h"
#include "formats/NumberText.h"

#include <optional>

namespace velomark {

namespace {

// The characters that make cmd.exe split a word or read it as an operator;
// "cmd /?" names the same set. Inside double quotes all of them are plain text.
constexpr std::string_view kNeedsQuotes = " &()[]{}^=;!'+,`~|<>";

// Why text cannot be passed even in double quotes, or nothing.
std::optional<Sentence> unquotableReason(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"')
            return Sentence(VM_TEXT("HofBat", "a double quote"));
        if (c == '%')
            return Sentence(
                VM_TEXT("HofBat", "a percent sign, which the command interpreter would expand"));
        if (u < 0x20 || u == 0x7F)
            return Sentence(VM_TEXT("HofBat", "a control character"));
    }
    return std::nullopt;
}

bool needsQuotes(std::string_view text) {
    return text.find_first_of(kNeedsQuotes) != std::string_view::npos;
}

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

} // namespace

Result<HofBat> composeHofBat(std::string_view gp2p, std::string_view fileName) {
    const std::string dir(gp2p);
    const std::string name(fileName);
    if (const auto why = unquotableReason(dir))
        return Error{ErrorKind::Unstorable,
                     Sentence(VM_TEXT("HofBat", "The GP2 directory %1 cannot be passed to "
                                                "hof2lap: it holds %2."),
                              {dir, *why})};
    if (name.empty())
        return Error{ErrorKind::Unstorable,
                     Sentence(VM_TEXT("HofBat", "No hot-lap file is chosen."))};
    std::optional<Sentence> why = unquotableReason(name);
    if (!why && name.find_first_of("\\/") != std::string::npos)
        why = Sentence(VM_TEXT("HofBat", "a directory separator"));
    if (why)
        return Error{ErrorKind::Unstorable,
                     Sentence(VM_TEXT("HofBat", "The hot-lap file %1 cannot be passed to hof2lap: "
                                                "its name holds %2."),
                              {name, *why})};

    std::string program = dir + "\\hof2lap";
    std::string path = dir + "\\gpsaves\\" + name;
    if (needsQuotes(dir)) {
        program = quoted(program);
        path = quoted(path);
    } else if (needsQuotes(name)) {
        path = quoted(path);
    }
    HofBat bat;
    bat.fil = path + " >" + kDumpName;
    bat.cline = program + ' ' + bat.fil;
    bat.bytes = bat.cline + "\r\necho 1 >" + kFlagName + "\r\nexit\r\n";
    return bat;
}

FlagState flagState(std::string_view bytes) {
    FieldReader reader(bytes);
    const std::optional<Field> first = reader.next();
    const std::string text = first ? textOf(*first) : std::string();
    if (text.empty())
        return FlagState::Running;
    const std::optional<double> value = strictNumber(text);
    if (!value)
        return FlagState::NotANumber;
    return *value == 0 ? FlagState::Running : FlagState::Finished;
}

FlagState readFlag(const std::string& path) {
    // The first item stands at the start; a flag grown large is read no further.
    Result<std::string> bytes = readHead(path, 4096);
    return bytes ? flagState(*bytes) : FlagState::Unreadable;
}

} // namespace velomark
