#include "formats/FieldLine.h"

#include "formats/Cp1252.h"

#include <algorithm>

namespace velomark {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

std::optional<Field> FieldReader::next() {
    while (m_pos < m_data.size() && isBlank(m_data[m_pos]))
        ++m_pos;
    if (m_pos >= m_data.size()) {
        if (!m_fieldPromised)
            return std::nullopt;
        m_fieldPromised = false; // "a,b," ends with one more field, holding nothing
        m_endedLine = false;
        return Field{};
    }
    m_fieldPromised = false;

    Field field;
    if (m_data[m_pos] == '"') {
        const size_t start = m_pos + 1;
        const size_t close = m_data.find('"', start);
        const size_t end = close == std::string_view::npos ? m_data.size() : close;
        field = std::string(m_data.substr(start, end - start));
        m_pos = close == std::string_view::npos ? m_data.size() : close + 1;
        skipToDelimiter(); // whatever stands after the closing quote is dropped
    } else {
        const size_t start = m_pos;
        skipToDelimiter();
        size_t end = m_pos;
        while (end > start && isBlank(m_data[end - 1]))
            --end;
        if (end > start)
            field = std::string(m_data.substr(start, end - start));
    }
    consumeDelimiter();
    return field;
}

void FieldReader::skipToDelimiter() {
    while (m_pos < m_data.size() && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
        ++m_pos;
}

void FieldReader::consumeDelimiter() {
    m_endedLine = false;
    if (m_pos >= m_data.size())
        return;
    if (m_data[m_pos] == ',') {
        ++m_pos;
        m_fieldPromised = true;
        return;
    }
    // A line end: CR LF as written, or a lone CR or LF from a hand-edited file.
    m_endedLine = true;
    if (m_data[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_data.size() && m_data[m_pos] == '\n')
        ++m_pos;
}

bool readsBackBare(std::string_view text) {
    return !text.empty() && !isBlank(text.front()) && text.front() != '"' &&
           !isBlank(text.back()) && text.find_first_of(",\r\n") == std::string_view::npos;
}

std::string excerpt(std::string_view text) {
    constexpr size_t kShown = 40;
    return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "...";
}

std::optional<Sentence> unwritableReason(const std::vector<Field>& fields) {
    for (const Field& f : fields) {
        if (f && f->find('"') != std::string::npos)
            //: Set after a colon into "... cannot be saved: %1.".
            return Sentence(
                VM_TEXT("Files", "a double quote (\") cannot be stored in a field: \"%1\""),
                {excerpt(*f)});
    }
    return std::nullopt;
}

TypingRefusal typingRefusal(std::u32string_view typed, const FieldNow& now, std::size_t limit) {
    if (static_cast<std::size_t>(std::count(typed.begin(), typed.end(), U'"')) > now.quotes)
        return TypingRefusal::DoubleQuote;
    if (firstUnstorable(typed))
        return TypingRefusal::Character;
    if (limit > 0 && typed.size() > std::max(limit, now.length))
        return TypingRefusal::TooLong;
    return TypingRefusal::None;
}

void appendLine(std::string& out, const std::vector<Field>& fields) {
    bool first = true;
    for (const Field& f : fields) {
        if (!first)
            out += ',';
        first = false;
        if (f) {
            out += '"';
            out += *f;
            out += '"';
        }
    }
    out += "\r\n";
}

} // namespace velomark
