#include "TestFixtures.h"
#include "TestImages.h"
#include "TestRegistry.h"

#include "canvas/LayoutCanvas.h"
#include "canvas/PictureBox.h"
#include "canvas/frmInfo.h"
#include "canvas/frmLayout.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>

using namespace vellum;

namespace {
frmLayout* openLayout(const QString& title) {
    auto* w = Forms::loadNew<frmLayout>();
    w->setCaption(title);
    w->Show();
    settle();
    return w;
}
} // namespace

class PointerTest : public QObject {
    Q_OBJECT
private slots:
    void cellFromPoint_data();
    void cellFromPoint();
    void stampPosition_data();
    void stampPosition();
};

void PointerTest::cellFromPoint_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column");
    QTest::newRow("29") << 29 << 0;
    QTest::newRow("30") << 30 << 1;
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("-29") << -29 << 0;
    QTest::newRow("-30") << -30 << -1;
    QTest::newRow("last cell") << 719 << 23;
}

void PointerTest::cellFromPoint() {
    QFETCH(int, x);
    QFETCH(int, column);
    resetAppState();
    const auto [row, col] = LayoutCanvas::CellFromPoint(qint16(x), qint16(x));
    QCOMPARE(int(col), column);
    QCOMPARE(int(row), column);
}

void PointerTest::stampPosition_data() {
    QTest::addColumn<bool>("snap");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("s");
    QTest::newRow("snap") << true << 100.f << 100.f << 90 << 90;
    QTest::newRow("centred") << false << 100.f << 100.f << 85 << 85;
    QTest::newRow("snap, outside to the left") << true << -30.f << 5.f << -30 << 0;
    QTest::newRow("half rounds to even") << false << 100.5f << 101.5f << 86 << 86;
    QTest::newRow("snap, half rounds to even") << true << 29.5f << 30.5f << 30 << 30;
}

void PointerTest::stampPosition() {
    QFETCH(bool, snap);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, l);
    QFETCH(int, s);
    resetAppState();
    Canvas canvas, snapshot;
    LayoutCanvas target(canvas, snapshot);
    CanvasInputs in;
    in.tileSnap = snap;
    target.move(1, 0, x, y, in);
    QCOMPARE(int(target.l), l);
    QCOMPARE(int(target.s), s);
}

class DispatchTest : public QObject {
    Q_OBJECT
private slots:
    void releaseWithoutToolStillCommits();
    void rightButtonMoveOnlyUpdatesReadOut();
    void tileDragStampsAndUndoesAtOnce();
    void positionsOutsideTheCanvasAreReported();
    void scrollBarsMoveTheCanvas();
};

void DispatchTest::releaseWithoutToolStillCommits() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    frmLayout* w = openLayout("A");
    w->Picture1->setPicture(solidImage({90, 90}, Qt::white));
    app().toolKind.clear();
    app().drawGraphLines = true;
    w->Picture1->canvas().line({0, 0}, {50, 50}); // drawn but not yet committed
    const QImage shown = w->Picture1->image();
    QVERIFY(w->Picture1->picture() != shown);
    w->Picture1_MouseDown(1, 0, 10, 10);
    QVERIFY(m->mnuUndo->isEnabled());
    QVERIFY(!m->mnuRedo->isEnabled());
    QVERIFY(app().unsavedChanges);
    m->mnuUndo->setEnabled(false);
    w->Picture1_MouseUp(1, 0, 10, 10);
    QVERIFY(m->mnuUndo->isEnabled());
    QCOMPARE(w->Picture1->picture(), shown);
    QVERIFY(!app().drawGraphLines);
    // A clear now restores the committed picture, line included.
    w->Picture1->canvas().cls();
    QCOMPARE(w->Picture1->image(), shown);
}

void DispatchTest::rightButtonMoveOnlyUpdatesReadOut() {
    AppFixture fx;
    fx.main();
    frmLayout* w = openLayout("A");
    w->Picture1->setPicture(solidImage({300, 300}, Qt::white));
    Forms::get<frmInfo>()->setCurrentTile(solidImage({30, 30}, Qt::black));
    app().toolKind = QStringLiteral("TileSet");
    app().tileDragging = true;
    const QImage before = w->Picture1->image();
    w->Picture1_MouseMove(2, 0, 95, 65);
    QCOMPARE(w->Picture1->image(), before);
    frmInfo* info = Forms::find<frmInfo>();
    QCOMPARE(info->Text1->text(), QStringLiteral("2"));
    QCOMPARE(info->Text2->text(), QStringLiteral("3"));
    QCOMPARE(int(w->canvas().l), 90);
    QCOMPARE(int(w->canvas().s), 60);
    w->Picture1_MouseMove(1, 0, 95, 65);
    QVERIFY(w->Picture1->image() != before);
}

void DispatchTest::tileDragStampsAndUndoesAtOnce() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    frmLayout* w = openLayout("A");
    const QImage paper = solidImage({300, 300}, Qt::white);
    w->Picture1->setPicture(paper);
    QImage tile = solidImage({30, 30}, Qt::darkGreen);
    tile.setPixel(0, 0, 0xffff00ff);
    Forms::get<frmInfo>()->setCurrentTile(tile);
    app().toolKind = QStringLiteral("TileSet");

    w->Picture1_MouseMove(0, 0, 15, 15);
    w->Picture1_MouseDown(1, 0, 15, 15);
    for (int x : {45, 75, 105})
        w->Picture1_MouseMove(1, 0, float(x), 15);
    w->Picture1_MouseUp(1, 0, 105, 15);
    const QImage stamped = w->Picture1->image();
    for (int cell = 0; cell < 4; ++cell) {
        QCOMPARE(stamped.pixel(cell * 30, 0), 0xffffffffu); // magenta corner shows the paper
        QCOMPARE(stamped.pixel(cell * 30 + 1, 0), tile.pixel(1, 0));
    }
    QCOMPARE(stamped.pixel(125, 5), 0xffffffffu); // nothing beyond the fourth cell
    QCOMPARE(w->Picture1->picture(), stamped);
    m->mnuUndo->trigger();
    QCOMPARE(w->Picture1->image(), paper);
    m->mnuUndo->trigger(); // the same snapshot again: nothing changes
    QCOMPARE(w->Picture1->image(), paper);
}

void DispatchTest::positionsOutsideTheCanvasAreReported() {
    AppFixture fx;
    fx.main();
    frmLayout* w = openLayout("A");
    QTest::mousePress(w->Picture1, Qt::LeftButton, {}, QPoint(40, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(-31, -5),
                     w->Picture1->mapToGlobal(QPointF(-31, -5)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w->Picture1, &move);
    QCOMPARE(Forms::find<frmInfo>()->Text2->text(), QStringLiteral("-1"));
    QCOMPARE(Forms::find<frmInfo>()->Text1->text(), QStringLiteral("0"));
    QTest::mouseRelease(w->Picture1, Qt::LeftButton, {}, QPoint(-31, -5));
}

void DispatchTest::scrollBarsMoveTheCanvas() {
    AppFixture fx;
    fx.main();
    frmLayout* w = openLayout("A");
    QCOMPARE(w->Picture1->pos(), QPoint(0, 8));
    QCOMPARE(w->HScroll1->maximum(), 110);
    QCOMPARE(w->HScroll1->pageStep(), 10);
    QCOMPARE(w->VScroll1->maximum(), 350);
    QCOMPARE(w->VScroll1->pageStep(), 30);
    w->HScroll1->setValue(40);
    QCOMPARE(w->Picture1->x(), -40);
    w->VScroll1->setValue(90);
    QCOMPARE(w->Picture1->pos(), QPoint(-40, -90));
}

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void eachWindowHasItsOwnSnapshot();
    void losingActivationDisablesUndo();
    void emptySnapshotDoesNothing();
    void redoIsNeverEnabled();
};

void UndoTest::eachWindowHasItsOwnSnapshot() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    frmLayout* a = openLayout("A");
    frmLayout* b = openLayout("B");
    a->Picture1->setPicture(solidImage({90, 90}, Qt::white));
    b->Picture1->setPicture(solidImage({90, 90}, Qt::yellow));
    Forms::get<frmInfo>()->setCurrentTile(solidImage({30, 30}, Qt::black));
    app().toolKind = QStringLiteral("TileSet");
    for (frmLayout* w : {a, b}) {
        w->Picture1_MouseDown(1, 0, 0, 0);
        w->Picture1_MouseUp(1, 0, 0, 0);
    }
    const QImage stampedA = a->Picture1->image();
    a->Show();
    settle();
    m->mnuUndo->setEnabled(true);
    m->mnuUndo->trigger();
    QCOMPARE(a->Picture1->image(), solidImage({90, 90}, Qt::white));
    QVERIFY(b->Picture1->image() != solidImage({90, 90}, Qt::yellow)); // B keeps its stamp
    QVERIFY(stampedA != solidImage({90, 90}, Qt::white));
}

void UndoTest::losingActivationDisablesUndo() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    frmLayout* a = openLayout("A");
    a->Picture1_MouseDown(1, 0, 0, 0);
    a->Picture1_MouseUp(1, 0, 0, 0);
    QVERIFY(m->mnuUndo->isEnabled());
    QVERIFY(m->mnubmp->isEnabled());
    frmInfo::ensureLoaded(); // the Information box becomes the active child
    settle();
    QVERIFY(!m->mnuUndo->isEnabled());
    QVERIFY(!m->mnubmp->isEnabled());
}

void UndoTest::emptySnapshotDoesNothing() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    frmLayout* a = openLayout("A");
    a->Picture1->setPicture(solidImage({90, 90}, Qt::cyan));
    app().toolKind.clear();
    a->Picture1_MouseDown(1, 0, 0, 0); // no tool: no snapshot, Undo enabled all the same
    QVERIFY(m->mnuUndo->isEnabled());
    m->mnuUndo->trigger();
    QCOMPARE(a->Picture1->image(), solidImage({90, 90}, Qt::cyan));
}

void UndoTest::redoIsNeverEnabled() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    frmLayout* a = openLayout("A");
    a->Picture1_MouseDown(1, 0, 0, 0);
    a->Picture1_MouseUp(1, 0, 0, 0);
    m->mnuUndo->trigger();
    QVERIFY(!m->mnuRedo->isEnabled());
    QTest::keyClick(m, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!m->mnuRedo->isEnabled());
}

VELLUM_TEST(PointerTest);
VELLUM_TEST(DispatchTest);
VELLUM_TEST(UndoTest);
#include "tst_layoutcanvas.moc"
