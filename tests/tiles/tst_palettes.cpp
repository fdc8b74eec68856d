#include "TestFixtures.h"
#include "TestImages.h"
#include "TestRegistry.h"

#include "canvas/PictureBox.h"
#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "canvas/frmLayout.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "tiles/DoorPictures.h"
#include "tiles/TileArt.h"
#include "tiles/frmDoptions.h"
#include "tiles/frmDungeonTiles.h"
#include "tiles/frmStairs.h"
#include "tiles/frmTownship.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace vellum;

namespace {
QImage currentTile() {
    return Forms::find<frmInfo>()->Picture2->picture();
}
} // namespace

class PaletteTest : public QObject {
    Q_OBJECT
private slots:
    void tileSet1Buttons();
    void tileSet2Buttons();
    void selectingATile();
    void doorsAndStairsKeepTheTileUntilOK();
    void waterAndFourWayWallKeepTheStatus();
    void closedInformationBoxComesBack();
    void closingClearsTheMarkAndReopensAtTheLeftEdge();
    void rightReleaseOverTheFrame();
    void tileSet1FollowsTheMapType();
};

void PaletteTest::tileSet1Buttons() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuDungeon->trigger();
    frmDungeonTiles* p = Forms::find<frmDungeonTiles>();
    QVERIFY(p && p->isShown());
    QVERIFY(m->mnuDungeon->isChecked());
    QCOMPARE(p->Frame1->title(), QStringLiteral("Tile Set 1"));
    QCOMPARE(p->size(), QSize(137, 267));
    QCOMPARE(p->findChildren<QToolButton*>().size(), 18);
    QCOMPARE(p->button(1)->geometry(), QRect(8, 16, 41, 41));
    QCOMPARE(p->button(14)->geometry(), QRect(88, 56, 41, 41));
    QCOMPARE(p->button(12)->toolTip(), QStringLiteral("Clear Tile"));
    QCOMPARE(p->button(12)->geometry().topLeft(), QPoint(48, 216));
    QCOMPARE(p->button(18)->text(), QStringLiteral("Stairs"));
    QCOMPARE(p->button(16)->toolTip(), QStringLiteral("Pillar"));
    for (int n = 1; n <= 18; ++n)
        QCOMPARE(p->buttonPicture(n), art::dungeonTile(n));
    QVERIFY(Forms::isLoaded<frmInfo>()); // loading Tile Set 1 brings the Information box
}

void PaletteTest::tileSet2Buttons() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuTown->trigger();
    frmTownship* p = Forms::find<frmTownship>();
    QVERIFY(p && p->isShown());
    QCOMPARE(p->Frame1->title(), QStringLiteral("Tile Set 2"));
    QCOMPARE(p->findChildren<QToolButton*>().size(), 36);
    QCOMPARE(p->Picture1->geometry(), QRect(0, 0, 137, 505));
    QCOMPARE(p->Frame1->geometry(), QRect(0, 0, 137, 513));
    QCOMPARE(p->button(36)->geometry(), QRect(88, 456, 41, 41));
    QCOMPARE(p->button(3)->toolTip(), QStringLiteral("Earth Floor"));
    QCOMPARE(p->buttonPicture(25), p->buttonPicture(26));
    QVERIFY(p->buttonPicture(24) != p->buttonPicture(28));
}

void PaletteTest::selectingATile() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuTown->trigger();
    frmTownship* p = Forms::find<frmTownship>();
    QTest::mouseClick(p->button(22), Qt::LeftButton);
    QCOMPARE(currentTile(), art::townTile(22));
    QCOMPARE(Forms::find<frmInfo>()->Picture1->picture(), art::townTile(22));
    QCOMPARE(app().toolKind, QStringLiteral("TileSet"));
    QCOMPARE(m->statusMode(), QStringLiteral("Tile Mode"));
}

void PaletteTest::doorsAndStairsKeepTheTileUntilOK() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuDungeon->trigger();
    frmDungeonTiles* p = Forms::find<frmDungeonTiles>();
    QTest::mouseClick(p->button(1), Qt::LeftButton);
    m->setStatusMode(QStringLiteral("Box"));
    app().toolKind = QStringLiteral("Draw");

    QTest::mouseClick(p->button(15), Qt::LeftButton); // Doors
    QCOMPARE(app().toolKind, QStringLiteral("TileSet"));
    QCOMPARE(m->statusMode(), QStringLiteral("Tile Mode"));
    QCOMPARE(currentTile(), art::dungeonTile(1));
    frmDoptions* doors = Forms::find<frmDoptions>();
    QVERIFY(doors && doors->isShown());
    QTest::mouseClick(doors->cmdExit, Qt::LeftButton);
    QCOMPARE(currentTile(), art::dungeonTile(1));

    QTest::mouseClick(p->button(15), Qt::LeftButton);
    QTest::mouseClick(Forms::find<frmDoptions>()->cmdOk, Qt::LeftButton);
    QCOMPARE(currentTile(), Forms::get<frmIcons>()->stockPicture("picdw"));

    QTest::mouseClick(p->button(18), Qt::LeftButton); // Stairs
    frmStairs* stairs = Forms::find<frmStairs>();
    QVERIFY(stairs && stairs->isShown());
    QCOMPARE(currentTile(), Forms::get<frmIcons>()->stockPicture("picdw"));
    QTest::mouseClick(stairs->Option3, Qt::LeftButton); // Down to East
    QTest::mouseClick(stairs->cmdOK, Qt::LeftButton);
    QCOMPARE(currentTile(), Forms::get<frmIcons>()->stockPicture("picstairse"));
    QCOMPARE(currentTile().size(), QSize(60, 30));
    QCOMPARE(Forms::find<frmInfo>()->Picture2->size(), QSize(60, 30));
}

void PaletteTest::waterAndFourWayWallKeepTheStatus() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuDungeon->trigger();
    m->mnuTown->trigger();
    m->setStatusMode(QStringLiteral("Line"));
    QTest::mouseClick(Forms::find<frmDungeonTiles>()->button(17), Qt::LeftButton);
    QCOMPARE(currentTile(), art::dungeonTile(17));
    QCOMPARE(app().toolKind, QStringLiteral("TileSet"));
    QCOMPARE(m->statusMode(), QStringLiteral("Line"));
    QTest::mouseClick(Forms::find<frmTownship>()->button(17), Qt::LeftButton);
    QCOMPARE(currentTile(), art::townTile(17));
    QCOMPARE(m->statusMode(), QStringLiteral("Line"));
}

void PaletteTest::closedInformationBoxComesBack() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuTown->trigger();
    Forms::get<frmInfo>()->Show();
    QVERIFY(Forms::find<frmInfo>()->closeByUser());
    QVERIFY(!m->mnuInfo->isChecked());
    QTest::mouseClick(Forms::find<frmTownship>()->button(5), Qt::LeftButton);
    frmInfo* info = Forms::find<frmInfo>();
    QVERIFY(info && info->isShown());
    QVERIFY(!m->mnuInfo->isChecked());
    QCOMPARE(currentTile(), art::townTile(5));
    // Hidden through the Show menu, it stays hidden.
    m->mnuInfo->setChecked(true);
    m->mnuInfo->trigger();
    QTest::mouseClick(Forms::find<frmTownship>()->button(6), Qt::LeftButton);
    QVERIFY(!Forms::find<frmInfo>()->isShown());
    QCOMPARE(currentTile(), art::townTile(6));
}

void PaletteTest::closingClearsTheMarkAndReopensAtTheLeftEdge() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuDungeon->trigger();
    frmDungeonTiles* p = Forms::find<frmDungeonTiles>();
    QCOMPARE(p->frame()->x(), 0);
    p->frame()->move(300, 200);
    QVERIFY(p->closeByUser());
    QVERIFY(!m->mnuDungeon->isChecked());
    m->mnuDungeon->trigger();
    QVERIFY(Forms::find<frmDungeonTiles>()->isShown());
    QCOMPARE(Forms::find<frmDungeonTiles>()->frame()->x(), 0);
    QVERIFY(m->mnuDungeon->isChecked());
    m->mnuDungeon->trigger(); // hide: stays loaded
    QVERIFY(Forms::isLoaded<frmDungeonTiles>());
    QVERIFY(!Forms::find<frmDungeonTiles>()->isShown());
}

void PaletteTest::rightReleaseOverTheFrame() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    m->mnuTown->trigger();
    frmTownship* p = Forms::find<frmTownship>();
    QTest::mouseClick(p->button(5), Qt::RightButton);
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup).isEmpty());
    QTest::mouseClick(p->Frame1, Qt::LeftButton, {}, QPoint(5, 505));
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup).isEmpty());
    QTest::mouseClick(p->Frame1, Qt::RightButton, {}, QPoint(5, 500));
    QCOMPARE(fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup).size(), 1);
}

void PaletteTest::tileSet1FollowsTheMapType() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    for (const char* type : {"Planet", "Town", "World", "Somewhere"}) {
        m->setMapTypePanel(QString::fromLatin1(type));
        m->applyMapTypeToMenus();
    }
    QVERIFY(!m->mnuDungeon->isEnabled()); // "World" disabled it; another text changes nothing
    m->setMapTypePanel(QStringLiteral("Town"));
    m->applyMapTypeToMenus();
    QVERIFY(m->mnuDungeon->isEnabled());
}

class DoorOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void doorPictureTable_data();
    void doorPictureTable();
    void okAtOnceGivesTheWestDoor();
    void doubleDoorDisablesDiagonals();
    void typedTextChangesNothing();
    void stairsDirections_data();
    void stairsDirections();
};

void DoorOptionsTest::doorPictureTable_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("facing");
    QTest::addColumn<QString>("picture");
    const char* facings[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    const char* single[] = {"picdn", "picdne", "picDe", "picdnw",
                            "picds", "picdne", "picdw", "picdnw"};
    const char* doubled[] = {"picddn", "picdne", "picdde", "picdnw",
                             "picdds", "picdne", "picddw", "picdnw"};
    const char* secret[] = {"picsecretns", "picsecretne", "picsecretew", "picsecretnw",
                            "picsecretns", "picsecretne", "picsecretew", "picsecretnw"};
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("single %s", facings[i]) << "Single Door" << facings[i] << single[i];
        QTest::addRow("empty %s", facings[i]) << "" << facings[i] << single[i];
        QTest::addRow("double %s", facings[i]) << "Double Door" << facings[i] << doubled[i];
        QTest::addRow("secret %s", facings[i]) << "Secret Door" << facings[i] << secret[i];
        QTest::addRow("typed %s", facings[i]) << "Double" << facings[i] << "";
    }
}

void DoorOptionsTest::doorPictureTable() {
    QFETCH(QString, type);
    QFETCH(QString, facing);
    QFETCH(QString, picture);
    QCOMPARE(doorPictureName(type, facing), picture);
    if (!picture.isEmpty())
        QVERIFY(!art::stockPicture(picture).isNull());
}

void DoorOptionsTest::okAtOnceGivesTheWestDoor() {
    AppFixture fx;
    fx.main();
    frmDoptions* d = Forms::get<frmDoptions>();
    d->Show();
    QCOMPARE(d->caption(), QStringLiteral("Dungeon Options"));
    QVERIFY(d->OptionW->isChecked());
    QCOMPARE(d->Combo1->currentText(), QString());
    QCOMPARE(d->Picture1->picture(), art::stockPicture("picdw"));
    d->cmdOk_Click();
    QCOMPARE(currentTile(), art::stockPicture("picdw"));
    QVERIFY(!Forms::isLoaded<frmDoptions>());
}

void DoorOptionsTest::doubleDoorDisablesDiagonals() {
    AppFixture fx;
    fx.main();
    frmDoptions* d = Forms::get<frmDoptions>();
    d->Show();
    auto diagonalsEnabled = [d] {
        return d->OptionNE->isEnabled() && d->OptionSE->isEnabled() && d->OptionSW->isEnabled() &&
               d->OptionNW->isEnabled();
    };
    auto diagonalsDisabled = [d] {
        return !d->OptionNE->isEnabled() && !d->OptionSE->isEnabled() &&
               !d->OptionSW->isEnabled() && !d->OptionNW->isEnabled();
    };
    d->Combo1->setCurrentIndex(1);
    emit d->Combo1->activated(1);
    QCOMPARE(d->Picture1->picture(), art::stockPicture("picddw"));
    QVERIFY(diagonalsDisabled());
    QTest::mouseClick(d->OptionN, Qt::LeftButton);
    QCOMPARE(d->Picture1->picture(), art::stockPicture("picddn"));
    QVERIFY(diagonalsDisabled());
    QTest::mouseClick(d->OptionW, Qt::LeftButton); // W leaves the diagonals as they are
    QVERIFY(diagonalsDisabled());
    d->Combo1->setCurrentIndex(0);
    emit d->Combo1->activated(0);
    QCOMPARE(d->Picture1->picture(), art::stockPicture("picdw"));
    QVERIFY(d->OptionW->isChecked());
    QVERIFY(diagonalsEnabled());
    d->Combo1->setCurrentIndex(2);
    emit d->Combo1->activated(2);
    QTest::mouseClick(d->OptionE, Qt::LeftButton);
    QCOMPARE(d->Picture1->picture().size(), QSize(60, 30));
    QTest::mouseClick(d->OptionS, Qt::LeftButton);
    QCOMPARE(d->Picture1->picture().size(), QSize(30, 60));
}

void DoorOptionsTest::typedTextChangesNothing() {
    AppFixture fx;
    fx.main();
    Forms::get<frmInfo>()->setCurrentTile(solidImage({30, 30}, Qt::darkCyan));
    frmDoptions* d = Forms::get<frmDoptions>();
    d->Show();
    d->Combo1->lineEdit()->setFocus();
    QTest::keyClicks(d->Combo1->lineEdit(), QStringLiteral("Double"));
    QCOMPARE(d->Combo1->currentText(), QStringLiteral("Double")); // no completion
    QTest::keyClick(d->Combo1->lineEdit(), Qt::Key_Return);
    QTest::mouseClick(d->OptionN, Qt::LeftButton);
    QCOMPARE(d->Picture1->picture(), art::stockPicture("picdw"));
    QVERIFY(d->OptionNE->isEnabled());
    QTest::mouseClick(d->cmdExit, Qt::LeftButton);
    QCOMPARE(currentTile(), solidImage({30, 30}, Qt::darkCyan));
}

void DoorOptionsTest::stairsDirections_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("north") << "Optionn"
                           << "picstairsn" << QSize(30, 60);
    QTest::newRow("south") << "Options"
                           << "picstairss" << QSize(30, 60);
    QTest::newRow("east") << "Option3"
                          << "picstairse" << QSize(60, 30);
    QTest::newRow("west") << "Option4"
                          << "picstairsw" << QSize(60, 30);
}

void DoorOptionsTest::stairsDirections() {
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    AppFixture fx;
    fx.main();
    frmStairs* s = Forms::get<frmStairs>();
    s->Show();
    QCOMPARE(s->Picture1->picture(), art::stockPicture("picstairsn"));
    QVERIFY(s->Optionn->isChecked());
    QTest::mouseClick(s->findChild<QRadioButton*>(button), Qt::LeftButton);
    QCOMPARE(s->Picture1->picture(), art::stockPicture(picture));
    QCOMPARE(s->Picture1->size(), size);
}

class InformationBoxTest : public QObject {
    Q_OBJECT
private slots:
    void mirrorTwiceGivesTheTileBack();
    void mirrorKeepsTheSize();
    void mirrorWithoutPictureDoesNothing();
    void stairStampsOverTwoCells();
    void closedBoxStampsNothing();
};

void InformationBoxTest::mirrorTwiceGivesTheTileBack() {
    AppFixture fx;
    fx.main();
    frmInfo* info = Forms::get<frmInfo>();
    const QImage tile = art::dungeonTile(13);
    info->setCurrentTile(tile);
    QTest::mouseClick(info->Command2, Qt::LeftButton);
    QCOMPARE(currentTile(), tile.mirrored(true, false));
    QCOMPARE(info->Text4->text(), QStringLiteral("30"));
    QTest::mouseClick(info->Command2, Qt::LeftButton);
    QCOMPARE(currentTile(), tile);
    QTest::mouseClick(info->Command3, Qt::LeftButton);
    QCOMPARE(currentTile(), tile.mirrored(false, true));
}

void InformationBoxTest::mirrorKeepsTheSize() {
    AppFixture fx;
    fx.main();
    frmInfo* info = Forms::get<frmInfo>();
    const QImage stairs = art::stockPicture("picstairse");
    info->setCurrentTile(stairs);
    QTest::mouseClick(info->Command3, Qt::LeftButton);
    QCOMPARE(currentTile().size(), QSize(60, 30));
    QCOMPARE(currentTile(), stairs.mirrored(false, true));
}

void InformationBoxTest::mirrorWithoutPictureDoesNothing() {
    AppFixture fx;
    fx.main();
    frmInfo* info = Forms::get<frmInfo>();
    const QImage before = info->Picture2->image();
    QTest::mouseClick(info->Command2, Qt::LeftButton);
    QVERIFY(!info->Picture2->hasPicture());
    QCOMPARE(info->Picture2->image(), before);
    QCOMPARE(info->Picture2->size(), QSize(34, 34));
}

void InformationBoxTest::stairStampsOverTwoCells() {
    AppFixture fx;
    fx.main();
    auto* w = Forms::loadNew<frmLayout>();
    w->Show();
    settle();
    w->Picture1->setPicture(solidImage({300, 300}, Qt::white));
    const QImage stairs = art::stockPicture("picstairse");
    Forms::get<frmInfo>()->setCurrentTile(stairs);
    app().toolKind = QStringLiteral("TileSet");
    w->Picture1_MouseMove(0, 0, 40, 40);
    w->Picture1_MouseDown(1, 0, 40, 40);
    w->Picture1_MouseUp(1, 0, 40, 40);
    QCOMPARE(w->Picture1->image().copy(30, 30, 60, 30), stairs);
}

void InformationBoxTest::closedBoxStampsNothing() {
    AppFixture fx;
    fx.main();
    auto* w = Forms::loadNew<frmLayout>();
    w->Show();
    settle();
    const QImage paper = solidImage({300, 300}, Qt::white);
    w->Picture1->setPicture(paper);
    Forms::get<frmInfo>()->setCurrentTile(solidImage({30, 30}, Qt::black));
    Forms::find<frmInfo>()->Show();
    Forms::find<frmInfo>()->closeByUser();
    app().toolKind = QStringLiteral("TileSet");
    w->Picture1_MouseMove(0, 0, 40, 40); // loads and shows the box again, empty
    QVERIFY(Forms::find<frmInfo>()->isShown());
    w->Picture1_MouseDown(1, 0, 40, 40);
    w->Picture1_MouseUp(1, 0, 40, 40);
    QCOMPARE(w->Picture1->image(), paper);
}

VELLUM_TEST(PaletteTest);
VELLUM_TEST(DoorOptionsTest);
VELLUM_TEST(InformationBoxTest);
#include "tst_palettes.moc"
