// The core's sentences and words as the player reads them: translated into
// the player's language by the translations the program loaded, English
// otherwise, with the values filled in as they stand.
#pragma once

#include "files/Sentence.h"
#include "formats/Circuits.h"

#include <QString>

#include <string>

namespace velomark {

// The sentence translated, each place filled with its value: a text from the
// files as the files' 8-bit text, a file name as the file system spells it,
// a sentence within it translated in turn.
QString shown(const Sentence& sentence);
QString shown(SourceText source);

// A circuit as the windows name it: a fixed circuit's name and country
// translated, joined by between ("\n" for a button's caption, " - " for a
// heading); a Custom circuit's caption, the player's own, as it stands.
QString shown(const Circuit& circuit, const QString& between);
QString shownCaption(const CircuitChoice& circuit);
QString shownHeading(const CircuitChoice& circuit);

// A word for a report or file written in the files' 8-bit text: its
// translation, or its English source when the translation holds a character
// that text cannot store.
std::string fileTextIn(SourceText source);

} // namespace velomark
