// Keeps characters out of text fields that the data files cannot hold (a
// double quote would end a field early, and the files are 8-bit), and limits
// typing, never loading, to a field's length: the rule of formats/FieldLine.h
// as a validator, shared by the windows of every feature that stores text.
#pragma once

#include "formats/FieldLine.h"

#include <QValidator>

#include <cstddef>
#include <functional>

class QLineEdit;

namespace velomark {

class StorableTextValidator : public QValidator {
  public:
    using Refused = std::function<void(const QString& why)>;

    // Installs itself on field. typingLimit 0 means none; a longer text set
    // by the program stays whole and may be shortened but not lengthened.
    // refused is told, in plain words, why a character was not accepted.
    StorableTextValidator(QLineEdit* field, int typingLimit, Refused refused);
    State validate(QString& input, int& pos) const override;

    // Accepts text the program is about to put into the field (a stored or
    // computed text) as it is: the field validates it before it changes.
    void expect(const QString& text);

  private:
    std::size_t m_limit;
    Refused m_refused;
    FieldNow m_now; // the field's current text, whose quotes only a file can have put there
};

// Puts text into field as the program does (load, normalisation, import):
// whole, even beyond the typing limit, without a refusal.
void setFieldText(QLineEdit* field, const QString& text);

// The first character of text that the files' 8-bit character set cannot
// store, and why text cannot be stored; empty strings when it can.
QString firstUnstorable(const QString& text);
QString unstorableReason(const QString& text);

} // namespace velomark
