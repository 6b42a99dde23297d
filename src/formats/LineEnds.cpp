#include "formats/LineEnds.h"

namespace velomark {

namespace {

constexpr size_t kNone = std::string_view::npos;

// The first lone CR at or after from, or kNone.
size_t loneCr(std::string_view text, size_t from) {
    for (size_t cr = text.find('\r', from); cr != kNone; cr = text.find('\r', cr + 1))
        if (cr + 1 == text.size() || text[cr + 1] != '\n')
            return cr;
    return kNone;
}

} // namespace

std::string_view withLoneCrsAsLineFeeds(std::string_view text, std::string& storage) {
    const size_t first = loneCr(text, 0);
    if (first == kNone)
        return text;
    storage.assign(text);
    for (size_t cr = first; cr != kNone; cr = loneCr(storage, cr + 1))
        storage[cr] = '\n';
    return storage;
}

std::string withLineFeedBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return out;
}

} // namespace velomark
