#include "TestFixtures.h"
#include "TestImages.h"
#include "TestRegistry.h"

#include "canvas/BlankGrid.h"
#include "canvas/LayoutCanvas.h"
#include "canvas/PictureBox.h"
#include "canvas/frmLayout.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace vellum;

namespace {

// A patterned picture, so that any pixel a tool leaves behind shows.
QImage pattern() {
    return patternedImage({160, 120});
}

// A canvas and its snapshot, driven as the layout window drives them.
struct Rig {
    Canvas canvas;
    Canvas snapshot;
    LayoutCanvas target{canvas, snapshot};
    CanvasInputs in;

    explicit Rig(const QImage& picture = pattern()) {
        resetAppState();
        canvas.setPicture(picture);
        canvas.setForeColor(Qt::red);
        in.lineTypeIndex = 0; // "Dash": solid
        in.fillTypeIndex = 1; // "Diagonal Cross": no fill
    }
    CanvasOutcome press(float x, float y, int button = 1) {
        target.move(0, 0, x, y, in);
        return target.press(button, 0, x, y, in);
    }
    void move(float x, float y, int button = 1) { target.move(button, 0, x, y, in); }
    CanvasOutcome release(float x, float y, int button = 1) {
        CanvasOutcome out = target.release(button, 0, x, y, in);
        if (out.commit)
            canvas.commit();
        return out;
    }
};

} // namespace

class ShapeToolTest : public QObject {
    Q_OBJECT
private slots:
    void lineDragLeavesOnlyTheFinalLine();
    void circleFromItsBoundingRectangle();
    void pointGoesWhereTheDragEnded();
    void releaseWithoutDragCommitsNothing();
    void lineTypes_data();
    void lineTypes();
    void fillTypes_data();
    void fillTypes();
};

void ShapeToolTest::lineDragLeavesOnlyTheFinalLine() {
    Rig rig;
    app().toolKind = QStringLiteral("Draw");
    rig.in.shapeIndex = 0;
    rig.press(10, 10);
    for (int i = 1; i <= 9; ++i)
        rig.move(10 + 10 * i, 10 + 3 * i);
    rig.move(100, 40);
    rig.release(100, 40);

    Canvas expected;
    expected.setPicture(pattern());
    expected.setForeColor(Qt::red);
    expected.line({10, 10}, {100, 40});
    QCOMPARE(rig.canvas.image(), expected.image());
    QCOMPARE(rig.canvas.drawMode(), DrawMode::Copy);
    QCOMPARE(rig.canvas.picture(), expected.image());
    QCOMPARE(rig.snapshot.picture(), pattern());
}

void ShapeToolTest::circleFromItsBoundingRectangle() {
    const QImage white = solidImage({160, 120}, Qt::white);
    Rig rig(white);
    app().toolKind = QStringLiteral("Draw");
    rig.in.shapeIndex = 2;
    rig.press(0, 0);
    rig.move(100, 40);
    rig.release(100, 40);
    const QImage& img = rig.canvas.image();
    // Radius 20 around (50, 20): the outline touches (30, 20), (70, 20), (50, 0), (50, 40).
    for (QPoint p : {QPoint(30, 20), QPoint(70, 20), QPoint(50, 0), QPoint(50, 40)})
        QVERIFY2(img.pixel(p) == qRgb(255, 0, 0),
                 qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    QCOMPARE(img.pixel(50, 20), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(75, 20), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(25, 20), qRgb(255, 255, 255));
}

void ShapeToolTest::pointGoesWhereTheDragEnded() {
    const QImage white = solidImage({160, 120}, Qt::white);
    Rig rig(white);
    app().toolKind = QStringLiteral("Draw");
    rig.in.shapeIndex = 3;
    rig.press(5, 5);
    rig.move(30, 30);
    rig.move(50, 50);
    rig.release(50, 50);
    QCOMPARE(countDiffering(rig.canvas.image(), white), 1);
    QCOMPARE(rig.canvas.image().pixel(50, 50), qRgb(255, 0, 0));
}

void ShapeToolTest::releaseWithoutDragCommitsNothing() {
    Rig rig;
    app().toolKind = QStringLiteral("Draw");
    app().drawGraphLines = true;
    rig.canvas.line({0, 0}, {20, 20}); // something not yet committed
    const CanvasOutcome out = rig.target.release(1, 0, 5, 5, rig.in);
    QVERIFY(!out.commit);
    QVERIFY(app().drawGraphLines);
    QCOMPARE(rig.canvas.picture(), pattern());
}

void ShapeToolTest::lineTypes_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("expect"); // solid, broken or nothing
    QTest::newRow("Dash draws solid") << 0 << "1"
                                      << "solid";
    QTest::newRow("DashDot draws dashes") << 1 << "1"
                                          << "broken";
    QTest::newRow("Dot draws dots") << 2 << "1"
                                    << "broken";
    QTest::newRow("Solid draws dash-dot-dot") << 4 << "1"
                                              << "broken";
    QTest::newRow("Transparent draws nothing") << 5 << "1"
                                               << "nothing";
    QTest::newRow("wide DashDot draws solid") << 1 << "3"
                                              << "solid";
}

void ShapeToolTest::lineTypes() {
    QFETCH(int, position);
    QFETCH(QString, width);
    QFETCH(QString, expect);
    const QImage white = solidImage({160, 40}, Qt::white);
    Rig rig(white);
    app().toolKind = QStringLiteral("Draw");
    rig.in.shapeIndex = 0;
    rig.in.lineTypeIndex = position;
    rig.in.widthText = width;
    rig.press(10, 20);
    rig.move(150, 20);
    rig.release(150, 20);
    int red = 0;
    for (int x = 10; x <= 150; ++x)
        red += rig.canvas.image().pixel(x, 20) == qRgb(255, 0, 0);
    if (expect == "solid")
        QCOMPARE(red, 141);
    else if (expect == "nothing")
        QCOMPARE(countDiffering(rig.canvas.image(), white), 0);
    else
        QVERIFY2(red > 20 && red < 130, qPrintable(QString::number(red)));
}

void ShapeToolTest::fillTypes_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expect"); // solid, none or pattern
    QTest::newRow("Cross fills solid") << 0 << "solid";
    QTest::newRow("Diagonal Cross leaves it empty") << 1 << "none";
    QTest::newRow("Downward Diagonal draws horizontal lines") << 2 << "pattern";
    QTest::newRow("Solid draws upward diagonals") << 4 << "pattern";
    QTest::newRow("Vertical Line draws diagonal crosses") << 7 << "pattern";
}

void ShapeToolTest::fillTypes() {
    QFETCH(int, position);
    QFETCH(QString, expect);
    const QImage white = solidImage({120, 120}, Qt::white);
    Rig rig(white);
    rig.canvas.setFillColor(Qt::blue);
    app().toolKind = QStringLiteral("Draw");
    rig.in.shapeIndex = 1;
    rig.in.fillTypeIndex = position;
    rig.press(10, 10);
    rig.move(100, 100);
    rig.release(100, 100);
    int blue = 0;
    for (int y = 20; y < 90; ++y)
        for (int x = 20; x < 90; ++x)
            blue += rig.canvas.image().pixel(x, y) == qRgb(0, 0, 255);
    if (expect == "solid")
        QCOMPARE(blue, 70 * 70);
    else if (expect == "none")
        QCOMPARE(blue, 0);
    else
        QVERIFY2(blue > 100 && blue < 70 * 70 / 2, qPrintable(QString::number(blue)));
    QCOMPARE(rig.canvas.image().pixel(10, 50), qRgb(255, 0, 0)); // the outline
}

class FreehandAndPolygonTest : public QObject {
    Q_OBJECT
private slots:
    void closedFreehandEndsAtTheStart();
    void openFreehandStaysOpen();
    void polygonClosingEdge_data();
    void polygonClosingEdge();
    void geoFillsTheGridNet();
    void geoFillsOneCell();
};

void FreehandAndPolygonTest::closedFreehandEndsAtTheStart() {
    const QImage white = solidImage({120, 120}, Qt::white);
    Rig rig(white);
    rig.canvas.setBackColor(Qt::white);
    app().toolKind = QStringLiteral("Pencil");
    app().openFreehand = false;
    rig.press(10, 10);
    rig.move(60, 10);
    rig.move(60, 60);
    rig.release(60, 60);
    const QImage& img = rig.canvas.image();
    QCOMPARE(img.pixel(35, 10), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(60, 35), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(35, 35), qRgb(255, 0, 0)); // the loop closed along the diagonal
    QVERIFY(!app().strokeActive);
}

void FreehandAndPolygonTest::openFreehandStaysOpen() {
    const QImage white = solidImage({120, 120}, Qt::white);
    Rig rig(white);
    app().toolKind = QStringLiteral("Pencil");
    app().openFreehand = true;
    rig.press(10, 10);
    rig.move(60, 10);
    rig.move(60, 60);
    rig.release(60, 60);
    QCOMPARE(rig.canvas.image().pixel(35, 35), qRgb(255, 255, 255));
    QCOMPARE(rig.canvas.image().pixel(60, 30), qRgb(255, 0, 0));
}

void FreehandAndPolygonTest::polygonClosingEdge_data() {
    QTest::addColumn<int>("vertices");
    QTest::addColumn<bool>("closed");
    QTest::newRow("two vertices") << 2 << false;
    QTest::newRow("three vertices") << 3 << true;
}

void FreehandAndPolygonTest::polygonClosingEdge() {
    QFETCH(int, vertices);
    QFETCH(bool, closed);
    const QImage white = solidImage({120, 120}, Qt::white);
    Rig rig(white);
    app().toolKind = QStringLiteral("Beizer");
    app().polygonStart = true;
    const QPointF points[] = {{10, 100}, {100, 100}, {100, 10}};
    for (int i = 0; i < vertices; ++i) {
        rig.move(float(points[i].x()), float(points[i].y()));
        rig.press(float(points[i].x()), float(points[i].y()));
        rig.release(float(points[i].x()), float(points[i].y()));
        rig.move(50, 50); // the rubber band follows the pointer
    }
    const CanvasOutcome out = rig.press(50, 50, 2);
    QVERIFY(out.beep);
    rig.release(50, 50, 2);
    const QImage& img = rig.canvas.image();
    QCOMPARE(img.pixel(55, 100), qRgb(255, 0, 0)); // first edge
    if (vertices == 3)
        QCOMPARE(img.pixel(100, 55), qRgb(255, 0, 0));
    // The edge back to vertex 1 runs through (55, 55) only when closed;
    // the rubber band to (50, 50) has gone either way.
    QCOMPARE(img.pixel(55, 55) == qRgb(255, 0, 0), closed);
    QCOMPARE(img.pixel(30, 80), closed ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
    QVERIFY(!app().polygonStart);
    QCOMPARE(rig.canvas.drawMode(), DrawMode::Copy);
}

void FreehandAndPolygonTest::geoFillsTheGridNet() {
    Rig rig(blankGridPicture());
    app().toolKind = QStringLiteral("Geo");
    rig.in.fillSwatch = Qt::green;
    rig.press(30, 5);
    int green = 0;
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 720; ++x)
            green += rig.canvas.image().pixel(x, y) == qRgb(0, 255, 0);
    QCOMPARE(green, 23 * 720 * 2 - 23 * 23);
    QCOMPARE(rig.snapshot.picture(), blankGridPicture());
}

void FreehandAndPolygonTest::geoFillsOneCell() {
    Rig rig(blankGridPicture());
    app().toolKind = QStringLiteral("Geo");
    rig.in.fillSwatch = Qt::green;
    rig.press(45.5f, 45.4f);
    QCOMPARE(countDiffering(rig.canvas.image(), blankGridPicture()), 29 * 29);
    QCOMPARE(rig.canvas.image().pixel(31, 31), qRgb(0, 255, 0));
    QCOMPARE(rig.canvas.image().pixel(59, 59), qRgb(0, 255, 0));
}

class ToolBarTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsSetToolKinds_data();
    void buttonsSetToolKinds();
    void shapeListClick();
    void widthText_data();
    void widthText();
    void colourSwatches();
    void polygonRestartedFromAnotherWindow();
    void popupComesBeforeTheFinalShape();
};

void ToolBarTest::polygonRestartedFromAnotherWindow() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    auto* a = Forms::loadNew<frmLayout>();
    a->Show();
    auto* b = Forms::loadNew<frmLayout>();
    b->Show();
    settle();
    const QImage white = solidImage({300, 300}, Qt::white);
    a->Picture1->setPicture(white);
    b->Picture1->setPicture(white);
    a->Show();
    settle();
    QTest::mouseClick(m->Command8, Qt::LeftButton);
    a->Picture1_MouseMove(0, 0, 20, 20);
    a->Picture1_MouseDown(1, 0, 20, 20);
    a->Picture1_MouseUp(1, 0, 20, 20);
    a->Picture1_MouseMove(0, 0, 200, 150); // rubber band on A
    QVERIFY(a->Picture1->image() != white);
    b->Show();
    settle();
    QTest::mouseClick(m->Command8, Qt::LeftButton);
    QCOMPARE(b->Picture1->image(), white);
    QCOMPARE(a->Picture1->image().pixel(110, 85), qRgb(255, 255, 255)); // rubber band gone
    QCOMPARE(a->Picture1->canvas().drawMode(), DrawMode::Copy);
}

void ToolBarTest::popupComesBeforeTheFinalShape() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    auto* w = Forms::loadNew<frmLayout>();
    w->Show();
    settle();
    const QImage white = solidImage({200, 200}, Qt::white);
    w->Picture1->setPicture(white);
    w->Picture1->canvas().setForeColor(Qt::red);
    QTest::mouseClick(m->Command4, Qt::LeftButton);
    m->DrawCombo->setCurrentIndex(0);
    QImage atPopup;
    fx.dialogs.onPopup = [&] { atPopup = w->Picture1->image(); };
    w->Picture1_MouseDown(2, 0, 10, 10);
    w->Picture1_MouseMove(2, 0, 150, 60); // a right-button drag only moves the pointer
    w->Picture1_MouseUp(2, 0, 150, 60);
    QCOMPARE(fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup).size(), 1);
    QVERIFY(!atPopup.isNull());
    // The menu opened over the rubber band (drawn inverted), before the
    // final red line was drawn.
    QVERIFY(atPopup.pixel(10, 10) != qRgb(255, 0, 0));
    QCOMPARE(w->Picture1->image().pixel(10, 10), qRgb(255, 0, 0));
}

void ToolBarTest::buttonsSetToolKinds_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("toolKind");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("openFreehand");
    QTest::newRow("Fill") << "Command1"
                          << "Geo"
                          << "Fill Mode" << -1 << true;
    QTest::newRow("Box") << "Command2"
                         << "Draw"
                         << "Box" << 1 << false;
    QTest::newRow("Circle") << "Command3"
                            << "Draw"
                            << "Circle" << 2 << false;
    QTest::newRow("Line") << "Command4"
                          << "Draw"
                          << "Line" << 0 << false;
    QTest::newRow("Point") << "Command7"
                           << "Draw"
                           << "Point" << 3 << false;
    QTest::newRow("Freehand") << "Command5"
                              << "Pencil"
                              << "Freehand Mode" << -1 << true;
    QTest::newRow("Closed freehand") << "Command6"
                                     << "Pencil"
                                     << "Closed Freehand Mode" << -1 << false;
    QTest::newRow("Polygon") << "Command8"
                             << "Beizer"
                             << "before" << -1 << true;
}

void ToolBarTest::buttonsSetToolKinds() {
    QFETCH(QString, button);
    QFETCH(QString, toolKind);
    QFETCH(QString, status);
    QFETCH(int, shape);
    QFETCH(bool, openFreehand);
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setStatusMode(QStringLiteral("before"));
    app().openFreehand = true;
    QTest::mouseClick(m->findChild<QToolButton*>(button), Qt::LeftButton);
    QCOMPARE(app().toolKind, toolKind);
    QCOMPARE(m->statusMode(), status);
    QCOMPARE(app().openFreehand, openFreehand);
    if (shape >= 0) {
        QCOMPARE(m->ObjectCombo->currentIndex(), shape);
        QCOMPARE(int(app().shapeType), shape);
    }
    if (button == "Command8") {
        QVERIFY(app().polygonStart);
        QCOMPARE(app().polygonPointCount, qint16(0));
    }
}

void ToolBarTest::shapeListClick() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->ObjectCombo->setCurrentIndex(2);
    QCOMPARE(int(app().shapeType), 2);
    QCOMPARE(m->statusMode(), QString()); // set by the program: not a click
    emit m->ObjectCombo->activated(2);
    QCOMPARE(app().toolKind, QStringLiteral("Draw"));
    QCOMPARE(m->statusMode(), QStringLiteral("Draw Mode"));
}

void ToolBarTest::widthText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("width"); // width of the next shape (previous: 4)
    QTest::newRow("0") << "0" << true << 1;
    QTest::newRow("empty") << "" << true << 1;
    QTest::newRow("x") << "x" << true << 1;
    QTest::newRow("07") << "07" << false << 7;
    QTest::newRow("5x keeps the width") << "5x" << false << 4;
    QTest::newRow("-3 keeps the width") << "-3" << false << 4;
}

void ToolBarTest::widthText() {
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    QFETCH(int, width);
    AppFixture fx;
    MDIForm1* m = fx.main();
    auto* w = Forms::loadNew<frmLayout>();
    w->Show();
    settle();
    w->Picture1->canvas().setDrawWidth(4);
    // The check runs at every key release, on the text as it then stands.
    m->WidthText->setFocus();
    m->WidthText->setText(typed);
    QTest::keyClick(m->WidthText, Qt::Key_End);
    if (refused) {
        QVERIFY(fx.dialogs.messageTexts().contains("Numbers 1 through 99 only!"));
        QCOMPARE(m->WidthText->text(), QStringLiteral("1"));
    } else {
        QVERIFY(fx.dialogs.messageTexts().isEmpty());
        QCOMPARE(m->WidthText->text(), typed);
    }
    app().toolKind = QStringLiteral("Draw");
    m->ObjectCombo->setCurrentIndex(0);
    w->Picture1_MouseDown(1, 0, 10, 10);
    QCOMPARE(w->Picture1->canvas().drawWidth(), width);
    w->Picture1_MouseUp(1, 0, 10, 10);
}

void ToolBarTest::colourSwatches() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    auto* a = Forms::loadNew<frmLayout>();
    a->setCaption("A");
    a->Show();
    auto* b = Forms::loadNew<frmLayout>();
    b->setCaption("B");
    b->Show();
    settle();
    const QColor before = b->Picture1->canvas().foreColor();

    a->Show();
    settle();
    QTest::mouseClick(m->ForeColorSwatch, Qt::LeftButton); // cancelled
    QCOMPARE(m->ForeColorSwatch->backColor(), QColor(Qt::black));
    QCOMPARE(a->Picture1->canvas().foreColor(), before);

    fx.dialogs.colorAnswers.enqueue(QColor(Qt::green));
    QTest::mouseClick(m->ForeColorSwatch, Qt::LeftButton);
    QCOMPARE(m->ForeColorSwatch->backColor(), QColor(Qt::green));
    QCOMPARE(a->Picture1->canvas().foreColor(), QColor(Qt::green));
    QCOMPARE(b->Picture1->canvas().foreColor(), before);
    QCOMPARE(m->ForeColorSwatch->image().pixel(5, 5), qRgb(0, 255, 0));

    fx.dialogs.colorAnswers.enqueue(QColor(Qt::yellow));
    QTest::mouseClick(m->FillColorSwatch, Qt::LeftButton);
    const auto colours = fx.dialogs.callsOf(ScriptedDialogs::Kind::Color);
    QCOMPARE(colours.last().color, QColor(Qt::green)); // opens on the colour it last returned
    QCOMPARE(a->Picture1->canvas().fillColor(), QColor(Qt::yellow));
    QCOMPARE(b->Picture1->canvas().fillColor(), QColor(Qt::black));
}

VELLUM_TEST(ShapeToolTest);
VELLUM_TEST(FreehandAndPolygonTest);
VELLUM_TEST(ToolBarTest);
#include "tst_drawingtools.moc"
