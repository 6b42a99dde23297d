#include "formats/DumpScanner.h"

#include "files/FileOps.h"

#include <array>

namespace velomark {

namespace {

struct Key {
    std::string_view text;
    size_t valueOffset; // from the key's first character: its length plus one separator
    size_t longest;
    std::string DumpFields::*field;
};

// In the order they are looked for.
constexpr std::array<Key, 5> kKeys{{
    {"Session:", 9, 20, &DumpFields::session},
    {"Lap time", 9, 8, &DumpFields::lap},
    {"split 1", 8, 8, &DumpFields::split1},
    {"split 2", 8, 8, &DumpFields::split2},
    {"Hot lap for", 12, 20, &DumpFields::circuit},
}};

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

void convertColons(std::string& text) {
    for (char& c : text) {
        if (c == ':')
            c = '.';
    }
}

} // namespace

namespace {

// How a session's beginning maps, tested in this order, and what it maps to.
struct SessionMapping {
    std::string_view beginning, text;
    HotlapSession session;
};
constexpr SessionMapping kSessionMappings[] = {
    {"Unlim", "Practice", HotlapSession::Practice},
    {"Quali", "Qualifying", HotlapSession::Qualifying},
    {"Race", "Race/Quickrace", HotlapSession::RaceOrQuickRace},
};

} // namespace

void mapSession(std::string& session) {
    for (const SessionMapping& m : kSessionMappings) {
        if (startsWith(session, m.beginning)) {
            session = m.text;
            return;
        }
    }
}

HotlapSession hotlapSession(std::string_view mapped) {
    for (const SessionMapping& m : kSessionMappings)
        if (mapped == m.text)
            return m.session;
    return HotlapSession::None;
}

void scanDumpLine(std::string_view line, DumpFields& fields) {
    for (const Key& key : kKeys) {
        const size_t at = line.find(key.text);
        if (at == std::string_view::npos)
            continue;
        const size_t start = at + key.valueOffset;
        fields.*key.field =
            start >= line.size() ? std::string() : std::string(line.substr(start, key.longest));
    }
    // No other key depends on the session, so mapping once after the line
    // gives what mapping right after its value would.
    mapSession(fields.session);
}

std::optional<std::string_view> DumpLines::next() {
    if (m_count >= kDumpLineLimit || m_pos >= m_text.size())
        return std::nullopt;
    const size_t cr = m_text.find('\r', m_pos);
    const size_t end = cr == std::string_view::npos ? m_text.size() : cr;
    const std::string_view line = m_text.substr(m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_text.size()) {
        ++m_pos; // the carriage return
        if (m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;
    }
    ++m_count;
    return line;
}

DumpFields scanDump(std::string_view text) {
    DumpFields fields;
    DumpLines lines(text);
    while (const std::optional<std::string_view> line = lines.next())
        scanDumpLine(*line, fields);
    return fields;
}

bool DumpReading::readLine() {
    const std::optional<std::string_view> line = m_lines.next();
    if (line)
        scanDumpLine(*line, m_fields);
    return line.has_value();
}

Result<std::string> readDumpFile(const std::string& path) {
    return readHead(path, kDumpByteLimit);
}

bool dumpComplete(std::string_view text) {
    const std::string opening = std::string(kDumpOpening) + "\r\n";
    if (!text.starts_with(opening))
        return true;
    const std::string closing = "\r\n" + std::string(kDumpClosing) + "\r\n";
    return text.ends_with(closing);
}

void tchange(DumpFields& fields) {
    if (startsWith(fields.split1, "0:"))
        fields.split1.erase(0, 2);
    if (startsWith(fields.split2, "0:"))
        fields.split2.erase(0, 2);
    convertColons(fields.lap);
    convertColons(fields.split1);
    convertColons(fields.split2);
}

} // namespace velomark
