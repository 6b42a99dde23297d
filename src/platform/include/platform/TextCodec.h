// Conversion between the data files' 8-bit bytes and the text the windows
// show, in one place.
#pragma once

#include "files/Result.h"

#include <QString>

#include <optional>
#include <string>

namespace velomark {

QString fromFileText(const std::string& bytes);
// Nothing when the text holds a character the files cannot store.
std::optional<std::string> toFileText(const QString& text);
// A core message as the player reads it, translated (see Translated.h); a
// plain one shows its texts as the files' bytes, and the file it names
// (Error::path) as the file system spells it.
QString messageText(const Error& error);

// A file or folder name as the file layer's calls take it (UTF-8: the file
// system's own spelling on Linux, turned into wide characters on Windows),
// and such a name as the windows show it.
std::string diskName(const QString& name);
QString fromDiskName(const std::string& bytes);

} // namespace velomark
