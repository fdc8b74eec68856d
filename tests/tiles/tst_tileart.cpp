#include "TestRegistry.h"

#include "shell/ShellArt.h"
#include "tiles/TileArt.h"

#include <QSet>
#include <QTest>
#include <vector>

using namespace vellum::art;

namespace {

// Pictures by a short id: "D<n>" is Tile Set 1's Command<n>, "T<n>" Tile Set
// 2's Command<n>, anything else a stock picture name.
QImage picture(const QString& id) {
    if (id.startsWith(u'D') && id.mid(1).toInt() > 0)
        return dungeonTile(id.mid(1).toInt());
    if (id.startsWith(u'T') && id.mid(1).toInt() > 0)
        return townTile(id.mid(1).toInt());
    return stockPicture(id);
}

const QStringList kStockNames{
    QStringLiteral("picdn"),       QStringLiteral("picds"),       QStringLiteral("picDe"),
    QStringLiteral("picdw"),       QStringLiteral("picddn"),      QStringLiteral("picdds"),
    QStringLiteral("picdde"),      QStringLiteral("picddw"),      QStringLiteral("picdne"),
    QStringLiteral("picdnw"),      QStringLiteral("picsecretne"), QStringLiteral("picsecretnw"),
    QStringLiteral("picsecretns"), QStringLiteral("picsecretew"), QStringLiteral("picstairsn"),
    QStringLiteral("picstairss"),  QStringLiteral("picstairse"),  QStringLiteral("picstairsw")};

QStringList allTileIds() {
    QStringList ids;
    for (int n = 1; n <= 18; ++n)
        ids << QStringLiteral("D%1").arg(n);
    for (int n = 1; n <= 36; ++n)
        ids << QStringLiteral("T%1").arg(n);
    return ids + kStockNames;
}

QSize expectedSize(const QString& id) {
    if (id == u"picsecretns" || id == u"picstairsn" || id == u"picstairss")
        return QSize(30, 60);
    if (id == u"picsecretew" || id == u"picstairse" || id == u"picstairsw")
        return QSize(60, 30);
    return QSize(30, 30);
}

std::vector<QImage> shellPictures() {
    std::vector<QImage> all{titlePicture(QSize(498, 289)), titlePicture(QSize(496, 287))};
    for (int t = 0; t <= int(ToolPicture::Point); ++t)
        all.push_back(toolButtonPicture(ToolPicture(t)));
    return all;
}

bool hasMagenta(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == 0xff00ff)
                return true;
    return false;
}

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// What a pixel is, as far as joining goes: background white, an ink line
// (walls, outlines, ridges), or anything else (floor, ground, roof).
int kind(QRgb c) {
    const int grey = qGray(c);
    return grey >= 250 ? 0 : grey < 60 ? 1 : 2;
}

// The kinds along the edge one picture shares with the next: its right
// column (side by side) or its bottom row (stacked), or the left column or
// top row of the second picture.
QList<int> edgeKinds(const QImage& image, bool sideBySide, bool farEdge) {
    QList<int> kinds;
    const int length = sideBySide ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        const int x = sideBySide ? (farEdge ? image.width() - 1 : 0) : i;
        const int y = sideBySide ? i : (farEdge ? image.height() - 1 : 0);
        kinds << kind(image.pixel(x, y));
    }
    return kinds;
}

} // namespace

class TileArtTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureHasItsSizeAndFormat_data() {
        QTest::addColumn<QString>("id");
        for (const QString& id : allTileIds())
            QTest::newRow(qPrintable(id)) << id;
    }
    void everyPictureHasItsSizeAndFormat() {
        QFETCH(QString, id);
        const QImage image = picture(id);
        QCOMPARE(image.size(), expectedSize(id));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QVERIFY2(!hasMagenta(image), "pure magenta would be stamped as a hole");
    }

    void unknownPicturesAreNull() {
        QVERIFY(dungeonTile(0).isNull());
        QVERIFY(dungeonTile(19).isNull());
        QVERIFY(townTile(0).isNull());
        QVERIFY(townTile(37).isNull());
        QVERIFY(stockPicture(QStringLiteral("picdoor")).isNull());
        QVERIFY(stockPicture(QStringLiteral("PICDN")).isNull());
        const QStringList names = stockPictureNames();
        QCOMPARE(QSet<QString>(names.begin(), names.end()),
                 QSet<QString>(kStockNames.begin(), kStockNames.end()));
        QCOMPARE(names.size(), kStockNames.size());
    }

    void clearTileIsAnEmptyGridCell() {
        const QImage tile = dungeonTile(12);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const QRgb expected =
                    (x == 0 || y == 0) ? qRgb(229, 227, 227) : qRgb(255, 255, 255);
                QCOMPARE(tile.pixel(x, y) & 0xffffff, expected & 0xffffff);
            }
    }

    void picturesAreTheSameOnEveryRun() {
        for (const QString& id : allTileIds())
            QVERIFY2(picture(id) == picture(id), qPrintable(id));
        const std::vector<QImage> first = shellPictures(), second = shellPictures();
        for (size_t i = 0; i < first.size(); ++i)
            QVERIFY(first[i] == second[i]);
    }

    // Many Tile Set 1 buttons share the tooltip "Wall1"; only Tile Set 2's
    // Command25 and Command26 are meant to show one picture.
    void differentDescriptionsHaveDifferentPictures() {
        const QStringList ids = allTileIds();
        std::vector<QImage> images;
        for (const QString& id : ids)
            images.push_back(picture(id));
        for (int a = 0; a < ids.size(); ++a)
            for (int b = a + 1; b < ids.size(); ++b) {
                const bool twins = ids[a] == u"T25" && ids[b] == u"T26";
                QVERIFY2((images[a] == images[b]) == twins,
                         qPrintable(ids[a] + QStringLiteral(" / ") + ids[b]));
            }
    }

    // Pictures that belong next to each other: walls, outlines, eaves, ridges
    // and hips must cross the shared edge at the same places.
    void neighboursJoin_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("sideBySide");
        const struct {
            const char* first;
            const char* second;
            bool sideBySide;
        } rows[] = {
            {"D6", "D6", true},          {"D10", "D6", true},         {"D6", "D11", true},
            {"D7", "D8", true},          {"D9", "D7", true},          {"D2", "D2", true},
            {"D10", "D4", false},        {"D4", "D9", false},         {"D11", "D5", false},
            {"D5", "D8", false},         {"D1", "D1", false},         {"D7", "D6", false},
            {"D3", "D3", true},          {"D3", "D3", false},         {"D17", "D17", true},
            {"D17", "D17", false},       {"D14", "D4", false},        {"D14", "D6", true},
            {"D6", "D13", true},         {"D13", "D5", false},        {"D4", "D13", false},
            {"D13", "D7", true},         {"D5", "D14", false},        {"D7", "D14", true},
            {"D6", "picdn", true},       {"picdn", "D11", true},      {"picddn", "D6", true},
            {"D7", "picds", true},       {"picdds", "D7", true},      {"D10", "picdw", false},
            {"picddw", "D9", false},     {"picDe", "D5", false},      {"D5", "picdde", false},
            {"D7", "picsecretns", true}, {"picsecretns", "D7", true}, {"D5", "picsecretew", false},
            {"picsecretew", "D3", true}, {"picdne", "D7", true},      {"D5", "picdnw", false},
            {"picstairse", "D3", true},  {"picstairsn", "D3", false}, {"D15", "D4", false},
            {"T6", "T5", true},          {"T5", "T5", true},          {"T5", "T15", true},
            {"T2", "T13", true},         {"T13", "T4", true},         {"T7", "T1", true},
            {"T1", "T14", true},         {"T6", "T7", false},         {"T7", "T7", false},
            {"T7", "T2", false},         {"T15", "T14", false},       {"T14", "T4", false},
            {"T5", "T1", false},         {"T1", "T13", false},        {"T1", "T1", true},
            {"T9", "T21", true},         {"T20", "T10", false},       {"T19", "T18", true},
            {"T11", "T12", true},        {"T19", "T11", false},       {"T18", "T12", false},
            {"T9", "T8", true},          {"T8", "T21", true},         {"T20", "T8", false},
            {"T8", "T10", false},        {"T31", "T24", true},        {"T24", "T30", true},
            {"T30", "T35", true},        {"T35", "T27", true},        {"T31", "T28", false},
            {"T28", "T32", false},       {"T32", "T36", false},       {"T36", "T17", true},
            {"T17", "T34", true},        {"T36", "T29", false},       {"T29", "T33", true},
            {"T33", "T26", true},        {"T27", "T34", false},       {"T34", "T25", false},
            {"T35", "T17", false},       {"T17", "T33", false},       {"T3", "T3", true},
            {"T3", "T3", false},
        };
        for (const auto& r : rows)
            QTest::addRow("%s %s %s", r.first, r.sideBySide ? "|" : "/", r.second)
                << QString::fromLatin1(r.first) << QString::fromLatin1(r.second) << r.sideBySide;
    }
    void neighboursJoin() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, sideBySide);
        // A two-cell picture meets a one-cell neighbour along its first cell.
        QList<int> a = edgeKinds(picture(first), sideBySide, true);
        QList<int> b = edgeKinds(picture(second), sideBySide, false);
        const qsizetype shared = qMin(a.size(), b.size());
        QCOMPARE(a.first(shared), b.first(shared));
    }

    // A wall lies inside its cell along the edge, equally thick on all four
    // edges, so a cell walled on its south edge above one walled on its north
    // edge makes one wall of twice the thickness, and the rest of the cell is
    // the floor every other dungeon tile has.
    void wallsLieAlongTheCellEdge_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("dx"); // the step from the edge into the cell
        QTest::addColumn<int>("dy");
        QTest::newRow("N") << 6 << 0 << 1;
        QTest::newRow("S") << 7 << 0 << -1;
        QTest::newRow("W") << 4 << 1 << 0;
        QTest::newRow("E") << 5 << -1 << 0;
    }
    void wallsLieAlongTheCellEdge() {
        QFETCH(int, command);
        QFETCH(int, dx);
        QFETCH(int, dy);
        auto thicknessAt = [](const QImage& tile, int along, int dx, int dy) {
            int x = dx == 0 ? along : (dx > 0 ? 0 : 29), y = dy == 0 ? along : (dy > 0 ? 0 : 29);
            int t = 0;
            for (; t < 30 && kind(tile.pixel(x, y)) == 1; ++t, x += dx, y += dy) {
            }
            return t;
        };
        const QImage wall = dungeonTile(command), floor = dungeonTile(3), north = dungeonTile(6);
        const int thickness = thicknessAt(north, 15, 0, 1);
        QVERIFY(thickness >= 2 && thickness <= 5);
        for (int along = 0; along < 30; ++along)
            QCOMPARE(thicknessAt(wall, along, dx, dy), thickness);
        int inked = 0, differing = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                inked += kind(wall.pixel(x, y)) == 1 ? 1 : 0;
                differing += wall.pixel(x, y) != floor.pixel(x, y) ? 1 : 0;
            }
        QCOMPARE(inked, 30 * thickness);
        QCOMPARE(differing, 30 * thickness);
    }

    // A two-cell picture is two ordinary cells: away from the wall or the
    // steps its floor is the floor of Tile Set 1 in both cells.
    void twoCellPicturesRepeatTheFloor() {
        const QImage floor = dungeonTile(3), across = stockPicture(QStringLiteral("picsecretew")),
                     stacked = stockPicture(QStringLiteral("picsecretns"));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x) {
                QCOMPARE(across.pixel(x, y), floor.pixel(x, y));
                QCOMPARE(across.pixel(59 - x, y), floor.pixel(29 - x, y));
                QCOMPARE(stacked.pixel(y, x), floor.pixel(y, x));
                QCOMPARE(stacked.pixel(y, 59 - x), floor.pixel(y, 29 - x));
            }
    }

    void titleIsOneArtworkAtBothSizes() {
        const QImage splash = titlePicture(QSize(498, 289));
        const QImage about = titlePicture(QSize(496, 287));
        QCOMPARE(splash.size(), QSize(498, 289));
        QCOMPARE(about.size(), QSize(496, 287));
        QCOMPARE(splash.format(), QImage::Format_RGB32);
        QCOMPARE(about.format(), QImage::Format_RGB32);
        QVERIFY(colourCount(splash) > 500);
        QVERIFY(!hasMagenta(splash) && !hasMagenta(about));
        const QImage shrunk =
            splash.scaled(about.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 difference = 0;
        for (int y = 0; y < about.height(); ++y)
            for (int x = 0; x < about.width(); ++x) {
                const QRgb s = shrunk.pixel(x, y), o = about.pixel(x, y);
                difference += qAbs(qRed(s) - qRed(o)) + qAbs(qGreen(s) - qGreen(o)) +
                              qAbs(qBlue(s) - qBlue(o));
            }
        const double perChannel = double(difference) / (3.0 * about.width() * about.height());
        QVERIFY2(perChannel < 6, qPrintable(QString::number(perChannel)));
    }

    void toolPicturesAreDistinctIcons() {
        std::vector<QImage> tools;
        for (int t = 0; t <= int(ToolPicture::Point); ++t)
            tools.push_back(toolButtonPicture(ToolPicture(t)));
        for (size_t a = 0; a < tools.size(); ++a) {
            QCOMPARE(tools[a].size(), QSize(48, 48));
            QCOMPARE(tools[a].format(), QImage::Format_RGB32);
            QVERIFY(colourCount(tools[a]) > 8);
            QVERIFY(!hasMagenta(tools[a]));
            for (size_t b = a + 1; b < tools.size(); ++b)
                QVERIFY(tools[a] != tools[b]);
        }
    }
};

VELLUM_TEST(TileArtTest);
#include "tst_tileart.moc"
