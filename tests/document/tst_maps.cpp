#include "ScenarioBytes.h"
#include "TestFixtures.h"
#include "TestRegistry.h"

#include "canvas/BlankGrid.h"
#include "canvas/PictureBox.h"
#include "canvas/frmLayout.h"
#include "document/AtomicFile.h"
#include "document/MapImage.h"
#include "document/WorkingFiles.h"
#include "document/frmMapedit.h"
#include "document/frmNew.h"
#include "document/frmNewMap.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace vellum;
namespace sb = scenario_bytes;

namespace {

frmLayout* layoutIn(int slot) {
    return slot < app().layoutWindows.size()
               ? qobject_cast<frmLayout*>(app().layoutWindows.at(slot).data())
               : nullptr;
}

void clickNode(frmOutline* outline, const QString& text) {
    const auto items = outline->TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!items.isEmpty());
    outline->TreeView1_NodeClick(items.first());
    settle();
}

// The scenario flow up to a first map, named and described.
struct MapFlow {
    AppFixture& fx;
    MDIForm1* m;

    void newScenario(const QString& name = "keep.vmd") {
        m->mnuNew->trigger();
        frmNew* form = Forms::find<frmNew>();
        form->txtWorking->setText(QStringLiteral("Keep"));
        form->txtAuthor->setText(QStringLiteral("Ann"));
        form->lblDate->setText(QStringLiteral("1/2/2024"));
        form->txtStarting->setPlainText(QStringLiteral("Start, then\nmore"));
        fx.dialogs.fileAnswers.enqueue(fx.path(name));
        form->cmdOk_Click();
        settle();
    }

    frmNewMap* addMap(const QString& title, const QString& description = "A, b\nc",
                      bool graph = true) {
        frmNewMap* form = Forms::get<frmNewMap>();
        form->Show();
        if (!title.isNull())
            form->txtMapName->setText(title);
        form->Text1->setPlainText(description);
        if (!graph)
            QTest::mouseClick(form->Check1, Qt::LeftButton);
        form->cmdOK_Click();
        settle();
        return form;
    }
};

} // namespace

class MapLifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void firstAndLaterMaps();
    void duplicateTitleKeepsWindowOpen();
    void badTitleIsRefused_data();
    void badTitleIsRefused();
    void withoutGraphPaperTheCanvasStaysBlank();
    void closeByHandAndReopenFromOutline();
    void saveReopensOpenMapsOnly();
    void mapDescriptionEdit();
    void imageWriteFailureIsReported();
    void graphPaperNeverWipesADrawing();
    void userCloseAfterNewIsListed();
};

void MapLifecycleTest::graphPaperNeverWipesADrawing() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("A");
    frmLayout* a = layoutTitled("A");
    a->Picture1->canvas().setForeColor(Qt::red);
    a->Picture1->canvas().line({10, 10}, {300, 90}); // not yet released: graph paper still asked
    const QImage drawn = a->Picture1->image();
    flow.addMap("B");
    QCOMPARE(layoutTitled("B")->Picture1->image(), blankGridPicture());
    a->Show();
    settle();
    QCOMPARE(a->Picture1->image(), drawn);
    m->mnuSave->trigger();
    settle();
    QCOMPARE(layoutTitled("A")->Picture1->image(), drawn);
}

void MapLifecycleTest::userCloseAfterNewIsListed() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("A");
    flow.addMap("B");
    layoutTitled("B")->closeByUser(); // the last slot's window is closed
    flow.newScenario("second.vmd");
    QCOMPARE(app().closingForSave, QStringLiteral("No"));
    flow.addMap("C");
    layoutTitled("C")->closeByUser();
    QCOMPARE(readAll(WorkingFiles::closedMapList()), sb::map("C"));
}

void MapLifecycleTest::firstAndLaterMaps() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    frmNewMap* form = Forms::find<frmNewMap>();
    QCOMPARE(form->caption(), QStringLiteral("New Map"));
    QCOMPARE(form->txtMapName->text(), QStringLiteral("Map 1"));
    QCOMPARE(form->Text1->toPlainText(), QStringLiteral("Text1"));
    QVERIFY(form->Check1->isChecked());
    QVERIFY(form->closeBoxLocked());
    QVERIFY(!form->closeByUser()); // locked until OK

    flow.addMap(QString());
    QVERIFY(!Forms::isLoaded<frmNewMap>());
    QCOMPARE(readAll(fx.path("keep.vmd")), sb::header(1, 0) + sb::map("Map 1"));
    QCOMPARE(readAll(WorkingFiles::temporaryCopy()), sb::header(1, 0));
    frmLayout* first = layoutIn(2);
    QVERIFY(first);
    QCOMPARE(first->tag(), QStringLiteral("2"));
    QCOMPARE(first->caption(), QStringLiteral("Map 1"));
    QCOMPARE(first->Picture1->image(), blankGridPicture());
    const QImage saved = MapImage::load(fx.path("keep.vmd"), "Map 1");
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), blankGridPicture());
    QVERIFY(!app().saveImageOnActivate);
    QVERIFY(app().outlineStarted);
    QVERIFY(m->mnuOutline->isChecked());
    QVERIFY(m->showMenuEnabled());
    QCOMPARE(m->statusMode(), QStringLiteral("Tile Mode"));
    QCOMPARE(m->mapTypePanel(), QStringLiteral("Town"));
    frmOutline* outline = Forms::find<frmOutline>();
    QCOMPARE(outline->caption(), QStringLiteral("KEEP"));
    QCOMPARE(outline->nodeText("Map1"), QStringLiteral("Map 1"));
    // The tool bar follows the fresh canvas (fill style 1).
    QCOMPARE(m->DrawCombo->currentIndex(), 1);
    QCOMPARE(m->FillCombo->currentText(), QStringLiteral("Diagonal Cross"));
    QCOMPARE(m->ObjectCombo->currentText(), QStringLiteral("Box"));
    QCOMPARE(m->WidthText->text(), QStringLiteral("1"));
    QCOMPARE(app().swatchRight, float(m->ForeColorSwatch->scaleWidth() - 1));

    // The second map of the run offers "Map 2" and goes through the rewrite.
    frmNewMap* second = Forms::get<frmNewMap>();
    QCOMPARE(second->txtMapName->text(), QStringLiteral("Map 2"));
    flow.addMap("Cellar", "Dark");
    QCOMPARE(readAll(fx.path("keep.vmd")),
             sb::header(2, 0) + sb::map("Map 1") + sb::map("Cellar", "Dark"));
    QCOMPARE(outline->nodeText("Map2"), QStringLiteral("Cellar"));
    QCOMPARE(app().footnoteNodeCount, qint16(2));
    QVERIFY(layoutTitled("Cellar"));
    QVERIFY(QFile::exists(fx.path("keep.vmdCellar.lrk")));
}

void MapLifecycleTest::duplicateTitleKeepsWindowOpen() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("Cave");
    const QByteArray before = readAll(fx.path("keep.vmd"));
    fx.dialogs.clear();

    frmNewMap* form = flow.addMap("Cave");
    QCOMPARE(fx.dialogs.messageTexts(),
             QStringList{"There is already a map named Cave. Please rename this map"});
    QCOMPARE(fx.dialogs.callsOf(ScriptedDialogs::Kind::Message).first().message.title,
             QStringLiteral("Error"));
    QCOMPARE(readAll(fx.path("keep.vmd")), before);
    QVERIFY(form->isLoaded() && form->isShown());
    QVERIFY(app().saveImageOnActivate);
    // Titles differing in case are different titles.
    fx.dialogs.clear();
    flow.addMap("cave");
    QVERIFY(fx.dialogs.messageTexts().isEmpty());
    QVERIFY(!form->isLoaded());

    // A duplicate window can now be closed by its close box without a map.
    frmNewMap* again = flow.addMap("Cave");
    QVERIFY(again->closeByUser());
    QCOMPARE(readAll(fx.path("keep.vmd")), sb::header(2, 0) + sb::map("Cave") + sb::map("cave"));
}

void MapLifecycleTest::badTitleIsRefused_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("empty") << "";
    QTest::newRow("slash") << "up/down";
    QTest::newRow("control character") << "a\tb";
    QTest::newRow("too long") << QString(300, 'x');
}

void MapLifecycleTest::badTitleIsRefused() {
    QFETCH(QString, title);
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    frmNewMap* form = flow.addMap(title);
    QCOMPARE(fx.dialogs.messageTexts().size(), 1);
    QVERIFY(form->isLoaded());
    QCOMPARE(readAll(fx.path("keep.vmd")), sb::header(0, 0));
    QVERIFY(!layoutIn(2));
}

void MapLifecycleTest::withoutGraphPaperTheCanvasStaysBlank() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("Plain", "", false);
    frmLayout* plain = layoutTitled("Plain");
    QVERIFY(plain);
    QVERIFY(!plain->Picture1->hasPicture());
    QCOMPARE(plain->Picture1->image().pixel(100, 100), plain->Picture1->backColor().rgb());
}

void MapLifecycleTest::closeByHandAndReopenFromOutline() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("Cave");
    frmLayout* cave = layoutTitled("Cave");
    frmOutline* outline = Forms::find<frmOutline>();
    // A new scenario whose windows were never closed: a click opens nothing.
    clickNode(outline, "Cave");
    QCOMPARE(app().layoutWindows.size(), 3);

    cave->Picture1->canvas().setForeColor(Qt::red);
    cave->Picture1->canvas().line({10, 10}, {200, 50});
    cave->Picture1_MouseUp(1, 0, 200, 50); // the release ends the graph paper's run
    const QImage drawn = cave->Picture1->image();
    QVERIFY(cave->closeByUser());
    QCOMPARE(app().closedMapsPending, qint16(1));
    QCOMPARE(readAll(WorkingFiles::closedMapList()), sb::map("Cave"));

    clickNode(outline, "Cave");
    frmLayout* again = layoutTitled("Cave");
    QVERIFY(again && again != cave);
    QCOMPARE(again->tag(), QStringLiteral("3"));
    QCOMPARE(again->Picture1->image(), drawn);
    QCOMPARE(readAll(WorkingFiles::closedMapList()), QByteArray());
    QVERIFY(app().mapListCopyExists);
    // A second click opens nothing more.
    clickNode(outline, "Cave");
    QCOMPARE(app().layoutWindows.size(), 4);
}

void MapLifecycleTest::saveReopensOpenMapsOnly() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("A");
    flow.addMap("B");
    flow.addMap("C");
    layoutTitled("B")->closeByUser();
    frmLayout* c = layoutTitled("C");
    c->Picture1->canvas().setForeColor(Qt::blue);
    c->Picture1->canvas().box({5, 5}, {60, 60});
    c->Picture1_MouseUp(1, 0, 60, 60);
    const QImage drawnC = c->Picture1->image();
    const int slotsBefore = int(app().layoutWindows.size());

    m->mnuSave->trigger();
    settle();
    QCOMPARE(MapImage::load(fx.path("keep.vmd"), "C").convertToFormat(QImage::Format_RGB32),
             drawnC);
    QVERIFY(!layoutTitled("B"));
    QCOMPARE(int(app().layoutWindows.size()), slotsBefore + 2);
    // A and C reopen in scenario-file order from their fresh images.
    QCOMPARE(layoutIn(slotsBefore)->caption(), QStringLiteral("A"));
    QCOMPARE(layoutIn(slotsBefore + 1)->caption(), QStringLiteral("C"));
    QCOMPARE(layoutIn(slotsBefore + 1)->Picture1->image(), drawnC);
    QCOMPARE(app().closingForSave, QStringLiteral("No"));
    QVERIFY(app().unsavedChanges); // reopened windows loaded and activated again
}

void MapLifecycleTest::mapDescriptionEdit() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    writeAll(fx.path("k.vmd"),
             sb::header(2, 1) + sb::map("A") + sb::map("B") + sb::footnote("A", "1"));
    fx.dialogs.fileAnswers.enqueue(fx.path("k.vmd"));
    m->mnuOpen->trigger();
    frmOutline* outline = Forms::find<frmOutline>();
    QTest::mouseClick(outline->Command1, Qt::LeftButton);
    QCOMPARE(fx.dialogs.messageTexts(), QStringList{"You must choose a map to edit"});
    QCOMPARE(fx.dialogs.callsOf(ScriptedDialogs::Kind::Message).first().message.title, QString());

    clickNode(outline, "B");
    QTest::mouseClick(outline->Command1, Qt::LeftButton);
    frmMapedit* edit = Forms::find<frmMapedit>();
    QVERIFY(edit && edit->isShown());
    QCOMPARE(edit->caption(), QStringLiteral("Form1"));
    QCOMPARE(edit->txtMapName->text(), QStringLiteral("B"));
    QCOMPARE(edit->Label1->text(), QStringLiteral("Castle, City, Town, Dungeon or Cave Map"));
    QCOMPARE(edit->Text1->toPlainText(), QStringLiteral("A, b\nc"));
    edit->Text1->setPlainText(QStringLiteral("New \"one\""));
    QTest::mouseClick(edit->cmdOK, Qt::LeftButton);
    QVERIFY(!Forms::isLoaded<frmMapedit>());
    QCOMPARE(readAll(fx.path("k.vmd")),
             sb::header(2, 1) + sb::map("A") + sb::map("B", "New 'one'") + sb::footnote("A", "1"));
}

void MapLifecycleTest::imageWriteFailureIsReported() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    MapFlow flow{fx, m};
    flow.newScenario();
    flow.addMap("Cave");
    fx.dialogs.clear();
    AtomicFile::failNextCommit();
    layoutTitled("Cave")->closeByUser();
    const QStringList texts = fx.dialogs.messageTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().contains(fx.path("keep.vmdCave.lrk")), qPrintable(texts.first()));
}

VELLUM_TEST(MapLifecycleTest);
#include "tst_maps.moc"
