// Small value types for results that can fail with a message for the user.
#pragma once

#include "files/Sentence.h"

#include <string>
#include <utility>
#include <variant>

namespace velomark {

enum class ErrorKind {
    Missing,      // the file does not exist or cannot be opened
    Short,        // the file ends before the fields the reader needs
    Empty,        // the file holds no field yet (INITIALISE ! writes the custom file so)
    Unstorable,   // text the field-line format cannot hold
    WriteFailed,  // creating, writing or flushing the new file failed
    RenameFailed, // the new file could not replace the old one
    NotRegular,   // a directory, pipe, socket or device stands where a file belongs
    TooLarge,     // far larger than any data file of ours can be
    ReadOnly,     // the file may not be written, so it is not replaced
    Busy,         // another running copy of the program holds the data folder
    Changed,      // the file was changed elsewhere since it was read
    OwnFile,      // one of Velomark's own files, which no export may take the place of
};

struct Error {
    ErrorKind kind;
    std::string message; // plain words in English, names the file
    // The file the message names, spelled as the file system spells it (its
    // bytes stand in message as they are), or "" when it names none.
    std::string path = {};
    // The message as the player reads it, in the player's language. An error
    // made from a plain text holds that text as it stands: a window shows
    // path in it as a file name and the rest as the files' 8-bit text.
    Sentence text;

    Error(ErrorKind k, std::string plain, std::string named = {})
        : kind(k), message(std::move(plain)), path(std::move(named)),
          text(Sentence::verbatim(message)) {}
    Error(ErrorKind k, Sentence sentence, std::string named = {})
        : kind(k), message(sentence.english()), path(std::move(named)), text(std::move(sentence)) {}
};

// Either a value or an Error.
template <class T> class Result {
  public:
    Result(T value) : m_v(std::move(value)) {}
    Result(Error error) : m_v(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_v); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(m_v); }
    T& value() & { return std::get<T>(m_v); }
    T&& value() && { return std::get<T>(std::move(m_v)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<Error>(m_v); }

  private:
    std::variant<T, Error> m_v;
};

// Success carries nothing.
struct Done {};
using Status = Result<Done>;
inline Status success() {
    return Done{};
}

} // namespace velomark
