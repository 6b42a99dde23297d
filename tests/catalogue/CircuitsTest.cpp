// The fixed circuit lists, the custom file and the names derived from them.
#include "catalogue/Circuits.h"

#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;

class CircuitsTest : public QObject {
    Q_OBJECT
  private slots:
    void fixedLists() {
        const auto& standard = fixedCircuits(Trackset::Standard);
        const auto& pack = fixedCircuits(Trackset::TrackPack);
        QCOMPARE(reportHeading(standard[2]), std::string("Imola - San Marino"));
        QCOMPARE(reportHeading(pack[2]), std::string("Imola - San Marino"));
        QCOMPARE(reportHeading(standard[0]), std::string("Interlagos - Brazil"));
        QCOMPARE(reportHeading(pack[0]), std::string("Brands Hatch - Ireland"));
        QCOMPARE(buttonCaption(standard[1]), std::string("TI Circuit Aida\nPacific"));
        QCOMPARE(buttonCaption(pack[13]), std::string("Donnington Park\nEurope"));
    }

    void customHeadings() {
        QCOMPARE(customHeading("Brno\nCzechia"), std::string("Brno - Czechia"));
        QCOMPARE(customHeading("a\nb\nc"), std::string("a - b - c"));
        QCOMPARE(customHeading("No break"), std::string("No break"));
    }

    void customFile() {
        test::ScopedWorkDir dir;
        QVERIFY(!readCustomCaptions().ok()); // no file yet

        QVERIFY(test::writeBytes(QStringLiteral("custom"), test::fixture("custom_two_lines")));
        auto captions = readCustomCaptions();
        QVERIFY(captions.ok());
        QCOMPARE((*captions)[0], std::string("Interlagos\nBrazil"));
        QCOMPARE((*captions)[8], std::string("\n")); // where the lines break does not matter
        QCOMPARE((*captions)[15], std::string("Last\nOne"));

        QVERIFY(test::writeBytes(QStringLiteral("custom"), test::fixture("custom_initialised")));
        captions = readCustomCaptions();
        QVERIFY(captions.ok());
        for (const std::string& c : *captions)
            QCOMPARE(c, std::string());

        QVERIFY(test::writeBytes(QStringLiteral("custom"), "\"a\",\"b\"\r\n"));
        const auto shortFile = readCustomCaptions();
        QVERIFY(!shortFile.ok());
        QCOMPARE(shortFile.error().kind, ErrorKind::Short);
    }
};

QTEST_APPLESS_MAIN(CircuitsTest)
#include "CircuitsTest.moc"
