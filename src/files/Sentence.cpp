#include "files/Sentence.h"

namespace velomark {

SentenceValue::SentenceValue(Sentence sentence, bool asClause)
    : kind(Kind::Nested), nested(std::make_shared<const Sentence>(std::move(sentence))),
      clause(asClause) {}

std::string SentenceValue::english() const {
    if (kind == Kind::Omitted)
        return std::string(kOmittedPlace);
    if (kind != Kind::Nested)
        return text;
    std::string words = clause ? withoutClosingPeriod(nested->english()) : nested->english();
    if (lowerThe && words.starts_with("The "))
        words[0] = 't';
    return words;
}

SentenceValue omittedPlace() {
    SentenceValue value(std::string{});
    value.kind = SentenceValue::Kind::Omitted;
    return value;
}

SentenceValue utf8Text(std::string text) {
    SentenceValue value(std::move(text));
    value.kind = SentenceValue::Kind::Utf8;
    return value;
}

SentenceValue clauseOf(Sentence sentence) {
    return SentenceValue(std::move(sentence), true);
}

SentenceValue afterCommaOf(Sentence sentence) {
    SentenceValue value(std::move(sentence));
    value.lowerThe = true;
    return value;
}

Sentence::Sentence(SourceText source, std::vector<SentenceValue> values)
    : m_source(source), m_values(std::move(values)) {}

Sentence Sentence::verbatim(std::string text, SentenceValue::Kind kind) {
    Sentence s;
    s.m_values.emplace_back(std::move(text));
    s.m_values.back().kind = kind;
    return s;
}

std::string Sentence::english() const {
    if (m_source.text == nullptr)
        return m_values.empty() ? std::string() : m_values.front().english();
    std::vector<std::string> texts;
    texts.reserve(m_values.size());
    for (const SentenceValue& value : m_values)
        texts.push_back(value.english());
    return fillPlaces(m_source.text, texts);
}

Sentence listOf(const std::vector<Sentence>& items) {
    if (items.empty())
        return {};
    Sentence list = items.front();
    for (size_t i = 1; i < items.size(); ++i)
        list = Sentence(VM_TEXT("Sentence", "%1, %2"), {list, items[i]});
    return list;
}

std::string fillPlaces(std::string_view text, const std::vector<std::string>& values) {
    const auto digit = [&text](size_t at) {
        return at < text.size() && text[at] >= '0' && text[at] <= '9';
    };
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (!digit(at + 1) || text[at + 1] == '0')
            continue;
        size_t place = static_cast<size_t>(text[at + 1] - '0');
        size_t length = 2;
        if (digit(at + 2) &&
            place * 10 + static_cast<size_t>(text[at + 2] - '0') <= values.size()) {
            place = place * 10 + static_cast<size_t>(text[at + 2] - '0');
            length = 3;
        }
        if (place > values.size())
            continue;
        out.append(text.substr(from, at - from));
        from = at + length;
        if (values[place - 1] != kOmittedPlace)
            out += values[place - 1];
        else if (!out.empty() && out.back() == ' ')
            out.pop_back();
        else if (from < text.size() && text[from] == ' ')
            ++from;
        at = from - 1;
    }
    out.append(text.substr(from));
    return out;
}

std::string withoutClosingPeriod(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace velomark
