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

        // The eight shared circuits keep their numbers in both lists.
        for (int k : {3, 4, 5, 6, 8, 9, 11, 15})
            QCOMPARE(reportHeading(pack[k - 1]), reportHeading(standard[k - 1]));
        for (int k : {1, 2, 7, 10, 12, 13, 14, 16})
            QVERIFY(reportHeading(pack[k - 1]) != reportHeading(standard[k - 1]));

        QCOMPARE(lapRecordFileName(Trackset::Custom), std::string_view("set3.dat"));
        QCOMPARE(mainWindowHeading(Trackset::TrackPack),
                 std::string_view("IA Track Pack Circuits"));
    }

    void customHeadings() {
        QCOMPARE(customHeading("Brno\nCzechia"), std::string("Brno - Czechia"));
        QCOMPARE(customHeading("a\nb\nc"), std::string("a - b - c"));
        QCOMPARE(customHeading("\n"), std::string(" - "));
        QCOMPARE(customHeading("No break"), std::string("No break"));
    }

    void customFile() {
        test::ScopedWorkDir dir;
        QVERIFY(!readCustomCaptions().ok()); // no file yet

        test::writeBytes(QStringLiteral("custom"), test::fixture("custom_two_lines"));
        auto captions = readCustomCaptions();
        QVERIFY(captions.ok());
        QCOMPARE((*captions)[0], std::string("Interlagos\nBrazil"));
        QCOMPARE((*captions)[8],
                 std::string("\n")); // line breaks between the two halves don't matter
        QCOMPARE((*captions)[15], std::string("Last\nOne"));

        test::writeBytes(QStringLiteral("custom"), test::fixture("custom_initialised"));
        captions = readCustomCaptions();
        QVERIFY(captions.ok());
        for (const std::string& c : *captions)
            QCOMPARE(c, std::string());

        test::writeBytes(QStringLiteral("custom"), "\"a\",\"b\"\r\n");
        const auto shortFile = readCustomCaptions();
        QVERIFY(!shortFile.ok());
        QCOMPARE(shortFile.error().kind, ErrorKind::Short);
    }
};

QTEST_APPLESS_MAIN(CircuitsTest)
#include "CircuitsTest.moc"
