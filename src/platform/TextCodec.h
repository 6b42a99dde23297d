// Conversion between the data files' 8-bit bytes and the text the windows show.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace velomark {

QString fromFileText(const std::string& bytes);
// Nothing when the text holds a character the files cannot store.
std::optional<std::string> toFileText(const QString& text);

} // namespace velomark
