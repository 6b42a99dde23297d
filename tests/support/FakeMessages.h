// A message sink for window tests: records every message and the beeps, and
// answers from a queue. A message nobody queued an answer for is answered
// No, Cancel, OK or its last choice, so a test never hangs; it, or a queued
// answer never used, fails the test when the sink goes out of scope.
#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QtTest>

namespace velomark::test {

class FakeMessages : public MessageSink {
  public:
    FakeMessages() { setMessageSink(this); }
    ~FakeMessages() override {
        setMessageSink(nullptr);
        if (!m_answers.isEmpty())
            unexpected.append(QStringLiteral("%1 answer(s) never asked for").arg(m_answers.size()));
        if (!unexpected.isEmpty() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(unexpected.join(QStringLiteral("; "))), __FILE__, __LINE__);
    }

    void expect(MessageAnswer answer) { m_answers.append(answer); }

    MessageAnswer show(QWidget*, const Message& m) override {
        shown.append(m);
        if (m_answers.isEmpty()) {
            unexpected.append(m.title + QStringLiteral(": ") + m.text);
            if (m.buttons == MessageButtons::YesNo)
                return MessageAnswer::No;
            if (m.buttons == MessageButtons::Choices)
                return lastChoice(m);
            return m.buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                         : MessageAnswer::Ok;
        }
        return m_answers.takeFirst();
    }
    void beep() override { ++beeps; }

    QList<Message> shown;
    QStringList unexpected;
    int beeps = 0;

  private:
    QList<MessageAnswer> m_answers;
};

} // namespace velomark::test
