// The custom-circuit window: the file it writes, the main window showing the
// new captions, the reminder before every save, a failed save, refused text.
#include "catalogue/CustomWindow.h"
#include "app/MainWindow.h"

#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

QWidget* openFrom(MainWindow& main) {
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("cmdcustom")), Qt::LeftButton);
    return window("frmcustom");
}

QLineEdit* field(QWidget* w, const char* column, int k) {
    return w->findChild<QLineEdit*>(QLatin1String(column) + QString::number(k));
}

// Typing letters that QTest::keyClicks cannot name, one key at a time.
void type(QLineEdit* f, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

const QString kReminder = QStringLiteral("If you have changed a circuit for a new one, dont forget "
                                         "that you will need to `Clear` out the old lap times.");

} // namespace

class CustomWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void saveAfterInitialisation() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeBytes(QStringLiteral("custom"), fixture("custom_initialised")));
        MainWindow main;
        QTest::mouseClick(main.findChild<QRadioButton*>(QStringLiteral("set2")), Qt::LeftButton);
        QWidget* w = openFrom(main);
        QVERIFY(w);
        for (int k = 1; k <= 16; ++k)
            QVERIFY(field(w, "cn", k)->text().isEmpty() && field(w, "co", k)->text().isEmpty());

        QTest::keyClicks(field(w, "cn", 5), QStringLiteral("Brno"));
        type(field(w, "co", 5), QStringLiteral("Czech Républic"));
        msgs.expect(MessageAnswer::Ok);
        QTest::mouseClick(child<QPushButton>(w, "cmdok"), Qt::LeftButton);
        QCOMPARE(msgs.shown.size(), 1);
        QVERIFY(msgs.shown[0].title == QLatin1String("Reminder !") &&
                msgs.shown[0].text == kReminder && msgs.shown[0].icon == MessageIcon::None);
        const std::string lf = "\"\n\",";
        QCOMPARE(QByteArray::fromStdString(readBytes(QStringLiteral("custom"))),
                 QByteArray::fromStdString(lf + lf + lf + lf + "\"Brno\nCzech R\xE9public\"," + lf +
                                           lf + "\"\n\"\r\n" + lf + lf + lf + lf + lf + lf + lf +
                                           "\"\n\"\r\n"));
        QVERIFY(!window("frmcustom"));
        QCOMPARE(main.selectedTrackset(), Trackset::Custom);
        QCOMPARE(main.findChild<QPushButton*>(QStringLiteral("t5"))->text(),
                 QStringLiteral("Brno\nCzech Républic"));
    }

    void failedSaveKeepsTheWindowAndItsTexts() {
        ScopedWorkDir dir;
        QVERIFY(QDir().mkdir(QStringLiteral("custom"))); // a folder stands where the file goes
        FakeMessages msgs;
        MainWindow main;
        QWidget* w = openFrom(main);
        QTest::keyClicks(field(w, "cn", 16), QStringLiteral("Last"));
        // What the file cannot hold is refused as it is typed or pasted.
        type(field(w, "co", 1), QStringLiteral("say \"hi\" ✓"));
        QCOMPARE(field(w, "co", 1)->text(), QStringLiteral("say hi "));
        field(w, "cn", 1)->insert(QStringLiteral("Two\nlines"));
        QVERIFY(field(w, "cn", 1)->text().isEmpty() &&
                !child<QLabel>(w, "status")->text().isEmpty());
        for (int attempt = 0; attempt < 2; ++attempt) {
            msgs.expect(MessageAnswer::Ok);
            msgs.expect(MessageAnswer::Ok);
            QTest::mouseClick(child<QPushButton>(w, "cmdok"), Qt::LeftButton);
        }
        QCOMPARE(msgs.shown.size(), 4); // the reminder comes first every time
        QVERIFY(msgs.shown[0].text == kReminder && msgs.shown[2].text == kReminder);
        QVERIFY(msgs.shown[1].text.contains(QStringLiteral("custom")));
        QCOMPARE(msgs.shown[1].icon, MessageIcon::Stop);
        QVERIFY(window("frmcustom") == w && field(w, "cn", 16)->text() == QLatin1String("Last") &&
                field(w, "co", 1)->text() == QLatin1String("say hi "));
        QCOMPARE(main.selectedTrackset(), Trackset::Standard);
        QCOMPARE(msgs.beeps, 0);
        w->close();
    }
};

QTEST_MAIN(CustomWindowTest)
#include "CustomWindowTest.moc"
