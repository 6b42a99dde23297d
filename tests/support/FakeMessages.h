// A message sink for window tests: records every message and the beeps, and
// answers from a queue. A message nobody queued an answer for is recorded as
// unexpected and answered No/OK, so a test fails instead of hanging.
#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QtTest>

namespace velomark::test {

class FakeMessages : public MessageSink {
  public:
    FakeMessages() { setMessageSink(this); }
    ~FakeMessages() override { setMessageSink(nullptr); }

    void expect(MessageAnswer answer) { m_answers.append(answer); }

    MessageAnswer show(QWidget*, const Message& m) override {
        shown.append(m);
        if (m_answers.isEmpty()) {
            unexpected.append(m.title + QStringLiteral(": ") + m.text);
            return m.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        }
        return m_answers.takeFirst();
    }
    void beep() override { ++beeps; }

    // Call at the end of a test: every queued answer used, nothing unexpected.
    bool allAnswered() const { return m_answers.isEmpty() && unexpected.isEmpty(); }
    QString report() const { return unexpected.join(QStringLiteral("; ")); }

    QList<Message> shown;
    QStringList unexpected;
    int beeps = 0;

  private:
    QList<MessageAnswer> m_answers;
};

} // namespace velomark::test
