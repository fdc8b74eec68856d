#include "TestFixtures.h"
#include "TestRegistry.h"

#include "canvas/PictureBox.h"
#include "canvas/frmInfo.h"
#include "canvas/frmLayout.h"
#include "document/MapImage.h"
#include "document/WorkingFiles.h"
#include "document/frmNew.h"
#include "document/frmNewMap.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "tiles/TileArt.h"
#include "tiles/frmDungeonTiles.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace vellum;

namespace {

void addMap(const QString& title) {
    frmNewMap* form = Forms::get<frmNewMap>();
    form->Show();
    form->txtMapName->setText(title);
    form->Text1->setPlainText(title + QStringLiteral(" description"));
    form->cmdOK_Click();
    settle();
}

// A click on the canvas as the user makes it: the pointer arrives, presses, releases.
void clickCanvas(frmLayout* w, QPoint at) {
    QTest::mouseMove(w->Picture1, at);
    w->Picture1_MouseMove(0, 0, float(at.x()), float(at.y()));
    QTest::mousePress(w->Picture1, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w->Picture1, Qt::LeftButton, {}, at);
}

} // namespace

class TypicalRoadTest : public QObject {
    Q_OBJECT
private slots:
    void scenarioSurvivesARestart();
};

// New scenario, three maps, tiles stamped, one map closed and reopened, save,
// exit; then a new run opens the scenario and every map comes back with its
// picture.
void TypicalRoadTest::scenarioSurvivesARestart() {
    QImage cellarPicture;
    QImage hallPicture;
    QString scenario;
    {
        AppFixture fx;
        MDIForm1* m = fx.main();
        scenario = fx.path("keep.vmd");
        m->mnuNew->trigger();
        frmNew* form = Forms::find<frmNew>();
        form->txtWorking->setText(QStringLiteral("The Keep"));
        form->txtAuthor->setText(QStringLiteral("Ann"));
        form->txtStarting->setPlainText(QStringLiteral("It begins."));
        fx.dialogs.fileAnswers.enqueue(scenario);
        form->cmdOk_Click();
        settle();
        addMap(QStringLiteral("Hall"));
        addMap(QStringLiteral("Cellar"));
        addMap(QStringLiteral("Tower"));

        m->mnuDungeon->trigger();
        frmDungeonTiles* tiles = Forms::find<frmDungeonTiles>();
        QTest::mouseClick(tiles->button(6), Qt::LeftButton); // wall N
        frmLayout* hall = layoutTitled("Hall");
        hall->Show();
        settle();
        for (int x : {15, 45, 75})
            clickCanvas(hall, QPoint(x, 15));
        QCOMPARE(hall->Picture1->image().copy(30, 0, 30, 30), art::dungeonTile(6));
        hallPicture = hall->Picture1->image();

        frmLayout* cellar = layoutTitled("Cellar");
        cellar->Show();
        settle();
        QTest::mouseClick(tiles->button(16), Qt::LeftButton); // pillar
        clickCanvas(cellar, QPoint(100, 100));
        cellarPicture = cellar->Picture1->image();
        QVERIFY(cellar->closeByUser());

        frmOutline* outline = Forms::find<frmOutline>();
        const auto items = outline->TreeView1->findItems("Cellar", Qt::MatchExactly);
        outline->TreeView1_NodeClick(items.first());
        settle();
        QCOMPARE(layoutTitled("Cellar")->Picture1->image(), cellarPicture);

        m->mnuSave->trigger();
        settle();
        fx.dialogs.messageAnswers.enqueue(MsgResult::Yes);
        m->mnuExit->trigger();
        QVERIFY(fx.programEnded);
        QVERIFY(!QFile::exists(WorkingFiles::closedMapList()));
        QVERIFY(QFile::exists(WorkingFiles::temporaryCopy()));
        for (const char* title : {"Hall", "Cellar", "Tower"})
            QVERIFY(QFile::exists(MapImage::path(scenario, title)));
        QCOMPARE(MapImage::load(scenario, "Hall").convertToFormat(QImage::Format_RGB32),
                 hallPicture);

        // A new run in the same folder.
        Forms::destroyAll();
        settle();
        resetAppState();
        m = fx.main();
        fx.dialogs.fileAnswers.enqueue(scenario);
        m->mnuOpen->trigger();
        outline = Forms::find<frmOutline>();
        QCOMPARE(outline->TreeView1->topLevelItemCount(), 3);
        QCOMPARE(outline->caption(), QStringLiteral("THE KEEP "));
        for (const char* title : {"Hall", "Cellar", "Tower"}) {
            outline->TreeView1_NodeClick(
                outline->TreeView1->findItems(title, Qt::MatchExactly).first());
            settle();
            QVERIFY(layoutTitled(title));
        }
        QCOMPARE(layoutTitled("Hall")->Picture1->image(), hallPicture);
        QCOMPARE(layoutTitled("Cellar")->Picture1->image(), cellarPicture);
        QCOMPARE(readAll(WorkingFiles::closedMapList()), QByteArray());
    }
}

VELLUM_TEST(TypicalRoadTest);
#include "tst_typicalroad.moc"
