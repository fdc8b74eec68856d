#include "ScenarioBytes.h"
#include "StoreFixture.h"
#include "TestFixtures.h"
#include "TestRegistry.h"

#include "document/ScenarioOpen.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vellum;
namespace sb = scenario_bytes;
using Stage = OpenedScenario::Stage;

namespace {

OutlineNode mapNode(int n, const QString& title) {
    return {QStringLiteral("Map%1").arg(n), title, {}};
}

OutlineNode childNode(int n, const QString& label, int map) {
    return {QStringLiteral("Child%1").arg(n), label, QStringLiteral("Map%1").arg(map)};
}

} // namespace

class ScenarioOpenTest : public QObject {
    Q_OBJECT
private slots:
    void twoMapsGiveTwoNodesAndTheClosedMapList() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(2, 0, "Keep of Ash") + sb::map("Map 1") + sb::map("Cellar"));
        const OpenedScenario r = ScenarioOpen::read(path, 0, 0);
        QCOMPARE(r.stage, Stage::Complete);
        QCOMPARE(r.mapNodes, (QList<OutlineNode>{mapNode(1, QStringLiteral("Map 1")),
                                                 mapNode(2, QStringLiteral("Cellar"))}));
        QVERIFY(r.footnoteNodes.isEmpty());
        QCOMPARE(r.caption, QStringLiteral("KEEP OF ASH "));
        QCOMPARE(r.mapNodeKey, QStringLiteral("Map2"));
        QCOMPARE(r.footnoteNodeKey, QStringLiteral("Child2"));
        QCOMPARE(r.footnoteCount, qint16(0));
        QCOMPARE(readAll(WorkingFiles::closedMapList()), sb::map("Map 1") + sb::map("Cellar"));
        QVERIFY(app().mapListExists);
        QCOMPARE(app().lastHeader.workingTitle, QStringLiteral("Keep of Ash"));
        QCOMPARE(app().lastMapRecord.title, QStringLiteral("Cellar"));
    }

    void footnotesBecomeChildrenOfTheirMaps() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(3, 4) + sb::map("Hall") + sb::map("Crypt") + sb::map("Hall") +
                           sb::footnote("Crypt", "1") + sb::footnote("Nowhere", "2") +
                           sb::footnote("Hall", "3") + sb::footnote("crypt", "4"));
        const OpenedScenario r = ScenarioOpen::read(path, 0, 0);
        QCOMPARE(r.stage, Stage::Complete);
        // Footnote numbers continue after the map nodes; a title shared by two
        // maps puts the footnote under both, in map order.
        QCOMPARE(r.footnoteNodes, (QList<OutlineNode>{childNode(4, QStringLiteral("1"), 2),
                                                      childNode(5, QStringLiteral("3"), 1),
                                                      childNode(6, QStringLiteral("3"), 3)}));
        QCOMPARE(r.footnoteNodeCount, 6);
        QCOMPARE(r.footnoteNodeKey, QStringLiteral("Child6"));
        QCOMPARE(r.footnoteCount, qint16(4));
        QCOMPARE(app().lastFootnoteRecord.mapTitle, QStringLiteral("crypt"));
    }

    void numberingStartsFromTheGivenCounters() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(2, 1) + sb::map("A") + sb::map("B") + sb::footnote("B", "1"));
        const OpenedScenario r = ScenarioOpen::read(path, 0, 10);
        QCOMPARE(r.mapNodes, (QList<OutlineNode>{mapNode(1, QStringLiteral("A")),
                                                 mapNode(2, QStringLiteral("B"))}));
        QCOMPARE(r.footnoteNodes, QList<OutlineNode>{childNode(13, QStringLiteral("1"), 2)});
    }

    void shortFileKeepsWhatWasRead() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(3, 1) + sb::map("Map 1") + sb::map("Map 2"));
        const OpenedScenario r = ScenarioOpen::read(path, 0, 0);
        QCOMPARE(r.stage, Stage::Header);
        QCOMPARE(r.mapsRead, 2);
        QCOMPARE(r.mapNodes.size(), 2);
        QCOMPARE(r.stop.code, StoreResult::Code::Damaged);
        QCOMPARE(readAll(WorkingFiles::closedMapList()), sb::map("Map 1") + sb::map("Map 2"));
    }

    void footnoteThatFailsToReadStillCounts() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(1, 3) + sb::map("Map 1") + sb::footnote("Map 1", "1") +
                           "\"Map 1\",\"2\",\"cut");
        const OpenedScenario r = ScenarioOpen::read(path, 0, 0);
        QCOMPARE(r.stage, Stage::Maps);
        QCOMPARE(r.footnotesRead, 1);
        QCOMPARE(r.footnoteCount, qint16(2));
        QCOMPARE(r.footnoteNodes, QList<OutlineNode>{childNode(2, QStringLiteral("1"), 1)});
    }

    void damagedFilesEndQuietly_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("stage"); // -1: any
        QTest::addColumn<int>("maps");  // -1: any
        QByteArray junk;
        QRandomGenerator random(7);
        for (int i = 0; i < 200000; ++i)
            junk.append(char(random.bounded(256)));
        QTest::newRow("empty") << QByteArray() << int(Stage::Nothing) << 0;
        // Junk may happen to read as fields; it must end, whatever it reads as.
        QTest::newRow("binary junk") << junk << -1 << -1;
        QTest::newRow("junk after a good header") << sb::header(5, 5) + junk << -1 << -1;
        QTest::newRow("header cut short")
            << QByteArray("\"Keep\",\"Ann\"") << int(Stage::Nothing) << 0;
        QTest::newRow("garbage count")
            << QByteArray("\"K\",\"A\",\"D\",\"S\",lots,0\r\n") << int(Stage::Nothing) << 0;
        QTest::newRow("count beyond 16 bits")
            << QByteArray("\"K\",\"A\",\"D\",\"S\",99999,0\r\n") << int(Stage::Nothing) << 0;
        QTest::newRow("negative counts")
            << sb::header(-4, -1) + sb::map("Map 1") << int(Stage::Complete) << 0;
        QTest::newRow("huge count, few records")
            << sb::header(32767, 32767) + sb::map("Map 1") << int(Stage::Header) << 1;
        QTest::newRow("missing closing quote")
            << sb::header(2, 0) + sb::map("Map 1") + "\"Map 2\",\"Town\",\"no end\r\n"
            << int(Stage::Header) << 1;
        QTest::newRow("zero bytes")
            << sb::header(1, 0) + QByteArray(5000, '\0') << int(Stage::Header) << 0;
    }
    void damagedFilesEndQuietly() {
        QFETCH(QByteArray, file);
        QFETCH(int, stage);
        QFETCH(int, maps);
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("bad.vmd"));
        writeAll(path, file);
        const OpenedScenario r = ScenarioOpen::read(path, 0, 0);
        if (stage >= 0)
            QCOMPARE(int(r.stage), stage);
        if (maps >= 0)
            QCOMPARE(r.mapsRead, maps);
        QCOMPARE(r.mapNodes.size(), r.mapsRead);
        QCOMPARE(r.stop.ok(), r.stage == Stage::Complete);
    }

    void missingFileReachesNothing() {
        StoreFixture fx;
        const OpenedScenario r = ScenarioOpen::read(fx.path(QStringLiteral("gone.vmd")), 0, 0);
        QCOMPARE(r.stage, Stage::Nothing);
        QCOMPARE(r.stop.code, StoreResult::Code::CannotOpen);
        QVERIFY(!app().mapListExists);
    }
};
VELLUM_TEST(ScenarioOpenTest);

#include "tst_scenarioopen.moc"
