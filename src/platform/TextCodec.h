// Conversion between the data files' 8-bit bytes and the text the windows
// show, in one place.
#pragma once

#include "store/Result.h"

#include <QString>

#include <optional>
#include <string>

namespace velomark {

QString fromFileText(const std::string& bytes);
// Nothing when the text holds a character the files cannot store.
std::optional<std::string> toFileText(const QString& text);
// A core message, whose texts are the files' bytes, as the player reads it.
QString messageText(const Error& error);

} // namespace velomark
