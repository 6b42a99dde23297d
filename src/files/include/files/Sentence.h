// A sentence the player reads, kept apart from the language it is shown in:
// its English source text with places %1, %2, ... and the values that fill
// them. The core words its messages, notes and report headings so; the tools
// print english(), and the windows show the sentence translated into the
// player's language, the values filled in as they stand.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// Marks a source text for Qt's lupdate, which reads VM_TEXT as
// QT_TRANSLATE_NOOP: the context groups the texts of one part of the program
// for the translator.
#define VM_TEXT(context, text)                                                                     \
    ::velomark::SourceText {                                                                       \
        context, text                                                                              \
    }

namespace velomark {

// An English source text and its context, as lupdate finds them.
struct SourceText {
    const char* context;
    const char* text;

    constexpr operator std::string_view() const { return text; }
    constexpr const char* data() const { return text; }
    constexpr std::size_t size() const { return std::string_view(text).size(); }
    friend constexpr bool operator==(SourceText a, std::string_view b) {
        return std::string_view(a.text) == b;
    }
};

//: The code of this translation's language (de, fr, it, es, nl): the program
//: tells by it which language it speaks, and an HTML report declares it.
inline constexpr SourceText kLanguageCode = VM_TEXT("Language", "en");

class Sentence;

// What fills a place: a text from the player's files (the files' 8-bit
// bytes), a name as the file system spells it or the system's words (UTF-8),
// or another sentence, translated with the one it stands in.
struct SentenceValue {
    enum class Kind { FileText, Utf8, Nested, Omitted };
    Kind kind = Kind::FileText;
    std::string text;                       // FileText, Utf8
    std::shared_ptr<const Sentence> nested; // Nested
    bool clause = false; // Nested: without its closing period, set inside a longer sentence
    // Nested: a leading English "The " made "the ", the sentence set after a comma.
    bool lowerThe = false;

    SentenceValue(std::string fileText) : text(std::move(fileText)) {}
    SentenceValue(const char* fileText) : text(fileText) {}
    template <class Number>
    requires(std::is_integral_v<Number> && !std::is_same_v<Number, bool> &&
             !std::is_same_v<Number, char>) SentenceValue(Number number)
        : text(std::to_string(number)) {}
    SentenceValue(Sentence sentence, bool asClause = false);

    // Its English text.
    std::string english() const;
};

// A file or folder name, or the system's words for a failure (UTF-8).
SentenceValue utf8Text(std::string text);
// A place left out together with one blank beside it: "The file %1 is cut
// short." says "The file is cut short." where a cell already names the file.
SentenceValue omittedPlace();
// What an omitted place gives fillPlaces: a byte no text of ours holds.
inline constexpr std::string_view kOmittedPlace = "\x1f";
// Another sentence set inside this one without its closing period.
SentenceValue clauseOf(Sentence sentence);
// Another sentence set inside this one as it is, but in English a leading
// "The " becomes "the ".
SentenceValue afterCommaOf(Sentence sentence);

class Sentence {
  public:
    // No text at all.
    Sentence() = default;
    Sentence(SourceText source, std::vector<SentenceValue> values = {});
    // A text that is shown as it stands, never translated (what a test's
    // file operations say, text from another program).
    static Sentence verbatim(std::string text,
                             SentenceValue::Kind kind = SentenceValue::Kind::FileText);

    bool empty() const { return m_source.text == nullptr && m_values.empty(); }
    // nullptr for a verbatim text, whose one value is the text.
    const char* context() const { return m_source.context; }
    const char* source() const { return m_source.text; }
    const std::vector<SentenceValue>& values() const { return m_values; }

    // The sentence in English, the values' bytes as they stand.
    std::string english() const;

    friend bool operator==(const Sentence& s, std::string_view english) {
        return s.english() == english;
    }

  private:
    SourceText m_source{nullptr, nullptr};
    std::vector<SentenceValue> m_values;
};

// Sentences joined by ", ": "off track, slow motion 1.25 s"; nothing for none.
Sentence listOf(const std::vector<Sentence>& items);

// text with each place %1 to %99 that has a value replaced by it, in one pass,
// so that a value holding "%1" stays as it is; a place without a value, or a %
// without a number, stays; an omitted place goes with the blank before it (or,
// at the start, the one after it).
std::string fillPlaces(std::string_view text, const std::vector<std::string>& values);

// A text without its closing period and blanks, to be set inside a longer sentence.
std::string withoutClosingPeriod(std::string text);

} // namespace velomark
