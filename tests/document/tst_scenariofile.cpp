#include "ScenarioBytes.h"
#include "StoreFixture.h"
#include "TestFixtures.h"
#include "TestRegistry.h"

#include "document/AtomicFile.h"
#include "document/ClosedMapList.h"
#include "document/ScenarioFile.h"

#include <QDir>
#include <QTest>

using namespace vellum;
namespace sb = scenario_bytes;

namespace {

const QString kDescription = QStringLiteral("A, b\r\nc");

MapRecord newMap(const QString& title) {
    return {title, QStringLiteral("Town"), kDescription};
}

FootnoteRecord newFootnote(const QString& mapTitle, const QString& label, const QString& text) {
    return {mapTitle, label, text + QStringLiteral(" begins"), text + QStringLiteral(" read"),
            text + QStringLiteral(",\r\nnot read")};
}

// Two maps and three footnotes, the footnotes not grouped by map.
QByteArray twoMapsThreeFootnotes() {
    return sb::header(2, 3) + sb::map("Map 1") + sb::map("Map 2") + sb::footnote("Map 2", "1") +
           sb::footnote("Map 1", "1") + sb::footnote("Map 2", "2");
}

} // namespace

class ScenarioFileTest : public QObject {
    Q_OBJECT
private slots:
    void createWritesTheHeaderAlone() {
        StoreFixture fx;
        app().footnoteCount = 9;
        ScenarioHeader header{QStringLiteral("Keep"),
                              QStringLiteral("Ann"),
                              QStringLiteral("1/2/2024"),
                              QStringLiteral("Start, then\r\nmore"),
                              5,
                              6};
        QVERIFY(ScenarioFile::writeNewHeader(header).ok());
        QCOMPARE(readAll(WorkingFiles::temporaryCopy()), sb::header(0, 0));

        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, "an older scenario of that name");
        QVERIFY(ScenarioFile::createFromTemporaryCopy(path).ok());
        QCOMPARE(readAll(path), sb::header(0, 0));
        QCOMPARE(app().footnoteCount, qint16(0));
        QCOMPARE(app().lastHeader.startingDescription, QStringLiteral("Start, then\r\nmore"));
    }

    void firstMapReplacesWhatFollowedTheHeader() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(0, 0) + sb::map("stray"));
        QVERIFY(ScenarioFile::addMap(path, newMap(QStringLiteral("Map 1"))).ok());
        QCOMPARE(readAll(path), sb::header(1, 0) + sb::map("Map 1"));
        QCOMPARE(readAll(WorkingFiles::temporaryCopy()), sb::header(1, 0));
        QCOMPARE(app().lastHeader.mapCount, qint16(1));
        QCOMPARE(app().lastMapRecord.title, QStringLiteral("Map 1"));
    }

    void addMapGoesAfterTheLastMap() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(1, 1) + sb::map("Map 1") + sb::footnote("Map 1", "1"));
        QVERIFY(ScenarioFile::addMap(path, newMap(QStringLiteral("Map 2"))).ok());
        const QByteArray expected =
            sb::header(2, 1) + sb::map("Map 1") + sb::map("Map 2") + sb::footnote("Map 1", "1");
        QCOMPARE(readAll(path), expected);
        QCOMPARE(readAll(WorkingFiles::temporaryCopy()), expected);
    }

    void addFootnoteTakesItsCountFromTheState() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, twoMapsThreeFootnotes());
        app().footnoteCount = 4; // raised by the window before the rewrite
        QVERIFY(
            ScenarioFile::addFootnote(path, newFootnote(QStringLiteral("Map 1"),
                                                        QStringLiteral("7"), QStringLiteral("new")))
                .ok());
        const QByteArray records = sb::map("Map 1") + sb::map("Map 2") +
                                   sb::footnote("Map 2", "1") + sb::footnote("Map 1", "1") +
                                   sb::footnote("Map 2", "2") + sb::footnote("Map 1", "7", "new");
        QCOMPARE(readAll(path), sb::header(2, 4) + records);
        // Pass 1 leaves the header unchanged; only pass 2 writes the new count.
        QCOMPARE(readAll(WorkingFiles::temporaryCopy()), sb::header(2, 3) + records);
        QCOMPARE(app().lastFootnoteRecord.label, QStringLiteral("7"));
    }

    void editScenarioDescriptionKeepsDateAndCounts() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, twoMapsThreeFootnotes());
        QVERIFY(ScenarioFile::editScenarioDescription(path, QStringLiteral("Tower \"X\""),
                                                      QStringLiteral("Bo"),
                                                      QStringLiteral("New,\r\nstart"))
                    .ok());
        QByteArray expected = twoMapsThreeFootnotes();
        expected.replace(sb::header(2, 3),
                         "\"Tower 'X'\",\"Bo\",\"1/2/2024\",\"New,\r\nstart\",2,3\r\n");
        QCOMPARE(readAll(path), expected);
    }

    void editMapDescriptionChangesThatMapOnly() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, twoMapsThreeFootnotes());
        QVERIFY(ScenarioFile::editMapDescription(path, QStringLiteral("Map 2"),
                                                 QStringLiteral("Deep,\r\ndark"))
                    .ok());
        QByteArray expected = twoMapsThreeFootnotes();
        expected.replace(sb::map("Map 2"), sb::map("Map 2", "Deep,\r\ndark"));
        QCOMPARE(readAll(path), expected);
    }

    void editFootnoteChangesEveryMatchAndNothingElse() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        const QByteArray before =
            sb::header(2, 4) + sb::map("Map 1") + sb::map("Map 2") +
            sb::footnote("Map 2", "1", "a") + sb::footnote("Map 1", "1", "b") +
            sb::footnote("Map 2", "1", "c") + sb::footnote("Map 2", "10", "d");
        writeAll(path, before);
        QVERIFY(
            ScenarioFile::editFootnote(path, newFootnote(QStringLiteral("Map 2"),
                                                         QStringLiteral("1"), QStringLiteral("e")))
                .ok());
        const QByteArray after = sb::header(2, 4) + sb::map("Map 1") + sb::map("Map 2") +
                                 sb::footnote("Map 2", "1", "e") + sb::footnote("Map 1", "1", "b") +
                                 sb::footnote("Map 2", "1", "e") + sb::footnote("Map 2", "10", "d");
        QCOMPARE(readAll(path), after);
    }

    void readersHandOverEveryRecord() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, twoMapsThreeFootnotes());
        QStringList maps, footnotes;
        QVERIFY(ScenarioFile::readMaps(path, [&](const MapRecord& m) {
                    maps << m.title + QLatin1Char('|') + m.description;
                }).ok());
        QCOMPARE(maps, (QStringList{"Map 1|" + kDescription, "Map 2|" + kDescription}));
        QVERIFY(ScenarioFile::readFootnotes(path, [&](const FootnoteRecord& f) {
                    footnotes << f.mapTitle + QLatin1Char('|') + f.label;
                }).ok());
        QCOMPARE(footnotes, (QStringList{"Map 2|1", "Map 1|1", "Map 2|2"}));
        QCOMPARE(app().lastHeader.footnoteCount, qint16(3));
        QCOMPARE(app().lastMapRecord.title, QStringLiteral("Map 2"));
        QCOMPARE(app().lastFootnoteRecord.nonRead, QStringLiteral("x,\r\nnot read"));
    }

    void fewerRecordsThanTheCounts() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(3, 0) + sb::map("Map 1") + sb::map("Map 2"));
        QStringList seen;
        const StoreResult r =
            ScenarioFile::readMaps(path, [&](const MapRecord& m) { seen << m.title; });
        QCOMPARE(r.code, StoreResult::Code::Damaged);
        QCOMPARE(r.line, qint64(7));
        QVERIFY(r.message.contains(QStringLiteral("keep.vmd")));
        QCOMPARE(seen, (QStringList{"Map 1", "Map 2"}));
        QCOMPARE(app().lastMapRecord.title, QStringLiteral("Map 2"));
        // A rewrite of a short file refuses and leaves it alone.
        QCOMPARE(ScenarioFile::addMap(path, newMap(QStringLiteral("Map 3"))).code,
                 StoreResult::Code::Damaged);
        QCOMPARE(readAll(path), sb::header(3, 0) + sb::map("Map 1") + sb::map("Map 2"));
    }

    void missingFileIsReported() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("gone.vmd"));
        QCOMPARE(ScenarioFile::readHeader(path).code, StoreResult::Code::CannotOpen);
        QCOMPARE(ScenarioFile::editMapDescription(path, QStringLiteral("M"), QString()).code,
                 StoreResult::Code::CannotOpen);
        QVERIFY(!QFile::exists(path));
    }
};
VELLUM_TEST(ScenarioFileTest);

class AtomicReplaceTest : public QObject {
    Q_OBJECT
private slots:
    void interruptedRenameKeepsTheOldScenario_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("before");
        const QByteArray full = twoMapsThreeFootnotes();
        QTest::newRow("add map") << "add map" << full;
        QTest::newRow("first map") << "add map" << sb::header(0, 0);
        QTest::newRow("add footnote") << "add footnote" << full;
        QTest::newRow("edit footnote") << "edit footnote" << full;
        QTest::newRow("edit scenario") << "edit scenario" << full;
        QTest::newRow("create") << "create" << full;
    }
    void interruptedRenameKeepsTheOldScenario() {
        QFETCH(QString, operation);
        QFETCH(QByteArray, before);
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, before);
        QVERIFY(ScenarioFile::writeNewHeader({}).ok());
        app().footnoteCount = 4;

        const auto run = [&] {
            if (operation == QLatin1String("add map"))
                return ScenarioFile::addMap(path, newMap(QStringLiteral("Map 9")));
            if (operation == QLatin1String("add footnote"))
                return ScenarioFile::addFootnote(
                    path, newFootnote(QStringLiteral("Map 1"), QStringLiteral("9"), QString()));
            if (operation == QLatin1String("edit footnote"))
                return ScenarioFile::editFootnote(
                    path, newFootnote(QStringLiteral("Map 2"), QStringLiteral("1"), QString()));
            if (operation == QLatin1String("edit scenario"))
                return ScenarioFile::editScenarioDescription(path, QString(), QString(), QString());
            return ScenarioFile::createFromTemporaryCopy(path);
        };

        AtomicFile::failNextCommit();
        const StoreResult r = run();
        QCOMPARE(r.code, StoreResult::Code::CannotWrite);
        QCOMPARE(r.file, path);
        QVERIFY(r.message.contains(QStringLiteral("keep.vmd")));
        QCOMPARE(readAll(path), before);
        // No half-written twin is left beside it.
        QCOMPARE(QDir(fx.folder()).entryList({QStringLiteral("keep*")}, QDir::Files),
                 QStringList{QStringLiteral("keep.vmd")});
        // The failure was the injected one: without it the change goes through.
        QVERIFY(run().ok());
        QVERIFY(readAll(path) != before);
    }
};
VELLUM_TEST(AtomicReplaceTest);

class CountLimitTest : public QObject {
    Q_OBJECT
private slots:
    void the32768thMapIsRefused() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("full.vmd"));
        const QByteArray full = sb::header(32767, 0); // the records need not be there
        writeAll(path, full);
        writeAll(WorkingFiles::temporaryCopy(), "last copy");
        const StoreResult r = ScenarioFile::addMap(path, newMap(QStringLiteral("one more")));
        QCOMPARE(r.code, StoreResult::Code::CountFull);
        QVERIFY(r.message.contains(QStringLiteral("32767 maps")));
        QCOMPARE(readAll(path), full);
        QCOMPARE(readAll(WorkingFiles::temporaryCopy()), QByteArray("last copy"));
    }

    void the32768thFootnoteIsRefused() {
        StoreFixture fx;
        app().footnoteCount = 32766;
        QVERIFY(ScenarioFile::roomForFootnote().ok());
        app().footnoteCount = 32767;
        QCOMPARE(ScenarioFile::roomForFootnote().code, StoreResult::Code::CountFull);

        const QString path = fx.path(QStringLiteral("full.vmd"));
        const QByteArray full = sb::header(0, 32767);
        writeAll(path, full);
        const StoreResult r = ScenarioFile::addFootnote(
            path, newFootnote(QStringLiteral("M"), QStringLiteral("1"), QString()));
        QCOMPARE(r.code, StoreResult::Code::CountFull);
        QVERIFY(r.message.contains(QStringLiteral("32767 footnotes")));
        QCOMPARE(readAll(path), full);
    }
};
VELLUM_TEST(CountLimitTest);

class ClosedMapListTest : public QObject {
    Q_OBJECT
private slots:
    void addContainsRemove() {
        StoreFixture fx;
        const QString path = fx.path(QStringLiteral("keep.vmd"));
        writeAll(path, sb::header(3, 0) + sb::map("Map 1") + sb::map("Map 2", "first") +
                           sb::map("Map 2", "second"));
        QVERIFY(ClosedMapList::create().ok());
        QVERIFY(app().mapListExists);
        QCOMPARE(readAll(WorkingFiles::closedMapList()), QByteArray());

        QVERIFY(ClosedMapList::addOnUserClose(path, QStringLiteral("Map 2")).ok());
        QVERIFY(ClosedMapList::addOnUserClose(path, QStringLiteral("Map 2")).ok());
        QVERIFY(ClosedMapList::addOnUserClose(path, QStringLiteral("Map 1")).ok());
        QCOMPARE(app().closedMapsPending, qint16(3));
        QCOMPARE(readAll(WorkingFiles::closedMapList()),
                 sb::map("Map 2", "first") + sb::map("Map 2", "second") + sb::map("Map 1"));
        QVERIFY(ClosedMapList::contains(QStringLiteral("Map 1")));
        QVERIFY(!ClosedMapList::contains(QStringLiteral("map 1")));
        QCOMPARE(ClosedMapList::titles(),
                 (QSet<QString>{QStringLiteral("Map 1"), QStringLiteral("Map 2")}));

        QVERIFY(ClosedMapList::remove(QStringLiteral("Map 2")).ok());
        QVERIFY(app().mapListCopyExists);
        QCOMPARE(readAll(WorkingFiles::closedMapList()), sb::map("Map 1"));
        QCOMPARE(readAll(WorkingFiles::closedMapCopy()), sb::map("Map 1"));
        QCOMPARE(ClosedMapList::records(), QList<MapRecord>{newMap(QStringLiteral("Map 1"))});

        ClosedMapList::deleteFiles(true);
        QVERIFY(!QFile::exists(WorkingFiles::closedMapList()));
        QVERIFY(!QFile::exists(WorkingFiles::closedMapCopy()));
        QVERIFY(!app().mapListExists && !app().mapListCopyExists);
    }
};
VELLUM_TEST(ClosedMapListTest);

#include "tst_scenariofile.moc"
