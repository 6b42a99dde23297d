// The Hot laps window's reader on its thread: a cancel stops it mid-folder,
// and neither its readings nor its progress arrive after; a read started
// again gives its own readings; a reader deleted mid-read ends its thread.
#include "ui/hotlap/HotlapReader.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace velomark;

class HotlapReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void cancelAndDeleteMidRead() {
        // Each file takes a millisecond: a read that is not stopped takes seconds.
        std::atomic<int> reads{0};
        const auto slowRead = [&reads](const std::string&, const std::string& name) {
            ++reads;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            HotlapReading r;
            r.name = name;
            return r;
        };
        const std::vector<std::string> many(5000, "A.HL");
        auto reader = std::make_unique<HotlapReader>(nullptr, slowRead);
        QSignalSpy progress(reader.get(), &HotlapReader::progress);
        QStringList arrived;
        connect(reader.get(), &HotlapReader::finished, this,
                [&arrived](const std::vector<HotlapReading>& readings) {
                    for (const HotlapReading& r : readings)
                        arrived << QString::fromStdString(r.name);
                });

        reader->start("gpsaves", many);
        QVERIFY(progress.wait(30000));
        reader->cancel();
        const int readAtCancel = reads;
        const qsizetype progressAtCancel = progress.count();
        QVERIFY(!reader->running() && readAtCancel < 5000);
        QTest::qWait(50);
        QVERIFY(reads == readAtCancel && progress.count() == progressAtCancel && arrived.isEmpty());

        reader->start("gpsaves", {"B.HL"});
        QTRY_COMPARE(arrived, QStringList{QStringLiteral("B.HL")});
        QVERIFY(!reader->running());

        const int readBefore = reads;
        reader->start("gpsaves", many);
        QVERIFY(progress.wait(30000));
        reader.reset();
        const int readAtDelete = reads;
        QTest::qWait(50);
        QVERIFY(reads == readAtDelete && readAtDelete - readBefore < 5000);
    }
};

QTEST_MAIN(HotlapReaderTest)
#include "HotlapReaderTest.moc"
