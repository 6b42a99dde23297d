#include "formats/Csv.h"

#include <algorithm>

namespace velomark {

namespace {

// What a spreadsheet takes as the start of a formula.
bool startsFormula(std::string_view text) {
    while (!text.empty() && text.front() == '\'')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const char c = text.front();
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

} // namespace

bool needsFormulaGuard(std::string_view text) {
    return startsFormula(text);
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += '"';
        if (needsFormulaGuard(fields[i]))
            out += '\'';
        for (char c : fields[i]) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

std::string CsvField::value() const {
    std::string_view shown = text;
    if (shown.starts_with('\'') && needsFormulaGuard(shown.substr(1)))
        shown.remove_prefix(1); // the guard csvLine put in front of a formula
    if (!escaped)
        return std::string(shown);
    std::string out;
    for (size_t i = 0; i < shown.size(); ++i) {
        out += shown[i];
        if (shown[i] == '"')
            ++i; // every quote inside stands doubled
    }
    return out;
}

bool splitCsvLine(std::string_view line, std::vector<CsvField>& fields) {
    fields.clear();
    size_t i = 0;
    while (true) {
        CsvField field;
        if (i < line.size() && line[i] == '"') {
            const size_t start = ++i;
            while (true) {
                const size_t quote = line.find('"', i);
                if (quote == std::string_view::npos)
                    return false; // unclosed: cut off
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    field.escaped = true; // a doubled quote stands for one
                    ++i;
                    continue;
                }
                field.text = line.substr(start, quote - start);
                break;
            }
        } else {
            const size_t end = std::min(line.find(',', i), line.size());
            field.text = line.substr(i, end - i);
            if (field.text.find('"') != std::string_view::npos)
                return false;
            i = end;
        }
        fields.push_back(field);
        if (i == line.size())
            return true;
        if (line[i] != ',')
            return false; // text after a closing quote
        ++i;
    }
}

std::optional<std::vector<std::string>> parseCsvLine(std::string_view line) {
    std::vector<CsvField> views;
    if (!splitCsvLine(line, views))
        return std::nullopt;
    std::vector<std::string> fields;
    fields.reserve(views.size());
    for (const CsvField& v : views)
        fields.push_back(v.value());
    return fields;
}

} // namespace velomark
