// The custom circuit file as its setup window loads and saves it.
#include "catalogue/CustomFile.h"

#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using namespace velomark::test;

class CustomFileTest : public QObject {
    Q_OBJECT
  private slots:
    void savesTwoLinesOfEightOrNothing() {
        ScopedWorkDir dir;
        CustomRows rows;
        rows[0] = {"Interlagos", "Brazil"};
        rows[1] = {"A1 Ring", "Austria"};
        rows[15] = {"Last", "One"};
        QVERIFY(writeCustomFile(rows).ok());
        QCOMPARE(readBytes(QStringLiteral("custom")), fixture("custom_two_lines"));
        QVERIFY(loadCustomRows() == rows);

        // Text that would not read back as typed is refused by row; the file stays.
        QVERIFY(customTextProblem("Mon\nza", true) && !customTextProblem("Mon\nza", false));
        rows[8].country = "\"Italy\"";
        const Status saved = writeCustomFile(rows);
        QVERIFY(!saved.ok() && saved.error().message.find(" 9 ") != std::string::npos);
        QCOMPARE(readBytes(QStringLiteral("custom")), fixture("custom_two_lines"));
    }

    void loadRule() {
        ScopedWorkDir dir;
        const CustomRows empty;
        QVERIFY(loadCustomRows() == empty); // no file
        QVERIFY(writeBytes(QStringLiteral("custom"), "\"Solo\",\"a\nb\nc\"\r\n"));
        QVERIFY(loadCustomRows() == empty); // fewer than 16 captions
        QVERIFY(writeBytes(QStringLiteral("custom"),
                           "\"Solo\",\"a\nb\nc\"" + std::string(14, ',') + "\r\n"));
        const CustomRows rows = loadCustomRows();
        QVERIFY(rows[0] == (CustomRow{"Solo", ""}) && rows[1] == (CustomRow{"a", "b\nc"}));
        QVERIFY(rows[2] == CustomRow{}); // a field holding nothing
    }
};

QTEST_APPLESS_MAIN(CustomFileTest)
#include "CustomFileTest.moc"
