// The comma-separated, double-quoted line format shared by every data file.
//
// A field either holds text (written between double quotes, even when empty)
// or holds nothing (written as nothing, so two commas meet). The two forms are
// kept apart so that a rewrite puts every field back the way it stood.
#pragma once

#include "files/Result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

using Field = std::optional<std::string>; // nullopt: the field holds nothing

inline std::string textOf(const Field& f) {
    return f ? *f : std::string();
}

// Reads fields one after another, across lines, as the data files are read.
class FieldReader {
  public:
    explicit FieldReader(std::string_view data) : m_data(data) {}

    // The next field, or nothing when the data ends before a field starts.
    std::optional<Field> next();
    bool atEnd() const { return m_pos >= m_data.size() && !m_fieldPromised; }
    // How many bytes have been read.
    size_t position() const { return m_pos; }
    // Whether the last field read was ended by a line end (not by a comma or
    // by the end of the data).
    bool endedLine() const { return m_endedLine; }

  private:
    void skipToDelimiter();
    void consumeDelimiter();

    std::string_view m_data;
    size_t m_pos = 0;
    bool m_fieldPromised = false; // a comma was read, so one more field follows
    bool m_endedLine = false;
};

// Whether text written without double quotes reads back as the same text: not
// empty, no blank or double quote at its start, no blank at its end, no comma,
// carriage return or line feed. A field read without quotes always passes, so
// one that holds a double quote can be written back the way it stood.
bool readsBackBare(std::string_view text);

// Text to quote in a message: whole when short, else its first 40 characters
// and "...".
std::string excerpt(std::string_view text);

// Why a line cannot be written, or nothing when it can.
std::optional<Sentence> unwritableReason(const std::vector<Field>& fields);

// What typing may put into a field whose text is to be stored: characters
// of the files' 8-bit set only, no double quote (it would end the quoted
// field early) beyond those a file put there, and no more characters than
// the field's typing limit. A longer text the program put there (a stored
// or computed one) may be shortened but not lengthened.
enum class TypingRefusal { None, DoubleQuote, Character, TooLong };
struct FieldNow {
    std::size_t length = 0; // characters of the field's text before the typing
    std::size_t quotes = 0; // double quotes in it
};
// limit 0 means none.
TypingRefusal typingRefusal(std::u32string_view typed, const FieldNow& now, std::size_t limit);

// Appends one line: fields separated by commas, text in double quotes, CR LF.
// The caller checks unwritableReason first; text holding a double quote would
// end its field early when read back.
void appendLine(std::string& out, const std::vector<Field>& fields);

} // namespace velomark
