#include "TestFixtures.h"
#include "TestRegistry.h"

#include "canvas/BlankGrid.h"
#include "canvas/PictureBox.h"
#include "canvas/frmIcons.h"
#include "shell/Forms.h"

#include <QTest>

using namespace vellum;

class BlankGridTest : public QObject {
    Q_OBJECT
private slots:
    void pixels_data();
    void pixels();
    void lineCount();
    void storedInPictureStore();
};

void BlankGridTest::pixels_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("line");
    QTest::newRow("origin") << QPoint(0, 0) << false;
    QTest::newRow("first vertical line") << QPoint(30, 5) << true;
    QTest::newRow("first horizontal line") << QPoint(5, 30) << true;
    QTest::newRow("crossing") << QPoint(690, 690) << true;
    QTest::newRow("inside a cell") << QPoint(31, 31) << false;
    QTest::newRow("just before a line") << QPoint(29, 100) << false;
    QTest::newRow("last column") << QPoint(719, 100) << false;
    QTest::newRow("last row") << QPoint(100, 719) << false;
    QTest::newRow("left edge on a row line") << QPoint(0, 60) << true;
    QTest::newRow("bottom edge on a column line") << QPoint(60, 719) << true;
}

void BlankGridTest::pixels() {
    QFETCH(QPoint, at);
    QFETCH(bool, line);
    const QImage grid = blankGridPicture();
    QCOMPARE(grid.pixel(at), line ? QRgb(0xffe5e3e3) : QRgb(0xffffffff));
}

void BlankGridTest::lineCount() {
    const QImage grid = blankGridPicture();
    QCOMPARE(grid.size(), QSize(720, 720));
    QCOMPARE(grid.format(), QImage::Format_RGB32);
    int linePixels = 0;
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 720; ++x)
            linePixels += grid.pixel(x, y) == 0xffe5e3e3;
    // 23 full columns and 23 full rows, crossings counted once.
    QCOMPARE(linePixels, 23 * 720 * 2 - 23 * 23);
}

void BlankGridTest::storedInPictureStore() {
    AppFixture fx;
    frmIcons* icons = Forms::get<frmIcons>();
    QCOMPARE(icons->Picture2->picture(), blankGridPicture());
    QVERIFY(!icons->isShown() || !icons->isVisible());
    QVERIFY(icons->picTExtSave);
}

VELLUM_TEST(BlankGridTest);
#include "tst_blankgrid.moc"
