// Keeps characters out of text fields that the data files cannot hold: a
// double quote would end a field early, and the files are 8-bit.
#pragma once

#include <QValidator>

#include <functional>

namespace velomark {

class StorableTextValidator : public QValidator {
  public:
    // refused is told, in plain words, why a character was not accepted.
    explicit StorableTextValidator(std::function<void(const QString&)> refused, QObject* parent)
        : QValidator(parent), m_refused(std::move(refused)) {}
    State validate(QString& input, int& pos) const override;

  private:
    std::function<void(const QString&)> m_refused;
};

// Why text cannot be stored, or an empty string when it can.
QString unstorableReason(const QString& text);

} // namespace velomark
