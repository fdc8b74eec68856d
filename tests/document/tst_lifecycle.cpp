#include "ScenarioBytes.h"
#include "TestFixtures.h"
#include "TestRegistry.h"

#include "canvas/frmIcons.h"
#include "canvas/frmLayout.h"
#include "document/WorkingFiles.h"
#include "document/frmNew.h"
#include "document/frmNewEdit.h"
#include "document/frmNewMap.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace vellum;
namespace sb = scenario_bytes;

namespace {

// File > New, the title block typed, "Create it!" saving as `name`.
frmNew* createScenario(AppFixture& fx, MDIForm1* m, const QString& name) {
    m->mnuNew->trigger();
    frmNew* form = Forms::find<frmNew>();
    form->txtWorking->setText(QStringLiteral("Keep"));
    form->txtAuthor->setText(QStringLiteral("Ann"));
    form->txtStarting->setPlainText(QStringLiteral("Start, then\nmore"));
    fx.dialogs.fileAnswers.enqueue(fx.path(name));
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    settle();
    return form;
}

QStringList nodeKeys(frmOutline* outline) {
    QStringList keys;
    QTreeWidget* tree = outline->TreeView1;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* map = tree->topLevelItem(i);
        keys << map->data(0, Qt::UserRole).toString() + "=" + map->text(0);
        for (int j = 0; j < map->childCount(); ++j)
            keys << "  " + map->child(j)->data(0, Qt::UserRole).toString() + "=" +
                        map->child(j)->text(0);
    }
    return keys;
}

void openScenario(AppFixture& fx, MDIForm1* m, const QString& path) {
    fx.dialogs.fileAnswers.enqueue(path);
    m->mnuOpen->trigger();
    settle();
}

} // namespace

class NewScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void createWritesHeaderOnly();
    void createCancelledKeepsWindow();
    void doubleQuoteBecomesApostrophe();
    void spellCheckWithoutSpelling();
    void exitOfNewWindow();
    void newClosesOpenScenarioWithoutAsking();
    void editScenarioDescription();
};

void NewScenarioTest::createWritesHeaderOnly() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuNew->trigger();
    QVERIFY(!m->mnuSave->isEnabled());
    frmNew* form = Forms::find<frmNew>();
    QVERIFY(form && form->isShown());
    QCOMPARE(form->caption(), QStringLiteral("Sarting a new Scenario"));
    QVERIFY(app().scenarioOpen);
    QVERIFY(!form->lblDate->text().isEmpty());
    form->lblDate->setText(QStringLiteral("1/2/2024"));

    createScenario(fx, m, "keep.vmd");
    const auto saves = fx.dialogs.callsOf(ScriptedDialogs::Kind::SaveFile);
    QCOMPARE(saves.size(), 1);
    QCOMPARE(saves.first().file.filter, QStringLiteral("Vellum Files(*.vmd)|*.vmd"));
    QVERIFY(saves.first().file.confirmOverwrite);
    QCOMPARE(readAll(fx.path("keep.vmd")), sb::header(0, 0));
    QCOMPARE(readAll(WorkingFiles::temporaryCopy()), sb::header(0, 0));
    QVERIFY(QFile::exists(WorkingFiles::closedMapList()));
    QCOMPARE(readAll(WorkingFiles::closedMapList()), QByteArray());
    QVERIFY(app().mapListExists);
    QCOMPARE(app().scenarioPath, fx.path("keep.vmd"));
    QCOMPARE(m->Text2->text(), fx.path("keep.vmd"));
    QVERIFY(m->mnuSave->isEnabled());
    QVERIFY(m->mnurtf->isEnabled());
    QVERIFY(!form->isShown());
    QVERIFY(Forms::find<frmNewMap>() && Forms::find<frmNewMap>()->isShown());
}

void NewScenarioTest::createCancelledKeepsWindow() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuNew->trigger();
    frmNew* form = Forms::find<frmNew>();
    form->txtWorking->setText(QStringLiteral("Keep"));
    QTest::mouseClick(form->cmdOk, Qt::LeftButton); // no answer queued: cancelled
    QVERIFY(app().saveDialogCancelled);
    QVERIFY(form->isShown());
    QCOMPARE(form->txtWorking->text(), QStringLiteral("Keep"));
    QVERIFY(!Forms::isLoaded<frmNewMap>());
    QVERIFY(m->mnuSave->isEnabled()); // enabled before the file was chosen
    QCOMPARE(app().scenarioPath, QString());
    QVERIFY(QFile::exists(WorkingFiles::temporaryCopy()));
    QVERIFY(QFile::exists(WorkingFiles::closedMapList()));
    // Pressing again asks again.
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    QCOMPARE(fx.dialogs.callsOf(ScriptedDialogs::Kind::SaveFile).size(), 2);
}

void NewScenarioTest::doubleQuoteBecomesApostrophe() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuNew->trigger();
    frmNew* form = Forms::find<frmNew>();
    QTest::keyClicks(form->txtWorking, QStringLiteral("The \"Keep\""));
    QCOMPARE(form->txtWorking->text(), QStringLiteral("The 'Keep'"));
    form->txtStarting->insertPlainText(QStringLiteral("say \"hi\"\nnext \u20ac \u4e2d"));
    QCOMPARE(form->txtStarting->toPlainText(), QStringLiteral("say 'hi'\nnext \u20ac ?"));
    form->txtAuthor->setText(QStringLiteral("\"A\"")); // pasted or set: the same rule
    QCOMPARE(form->txtAuthor->text(), QStringLiteral("'A'"));
}

void NewScenarioTest::spellCheckWithoutSpelling() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuNew->trigger();
    frmNew* form = Forms::find<frmNew>();
    form->txtStarting->setPlainText(QStringLiteral("Teh start"));
    app().wordAvailable = false;
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    const auto messages = fx.dialogs.callsOf(ScriptedDialogs::Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().message.text,
             QStringLiteral("You need to have Microsoft Word for Windows for this option to work"));
    QCOMPARE(messages.first().message.title, QStringLiteral("Sorry"));
    QCOMPARE(form->txtStarting->toPlainText(), QStringLiteral("Teh start"));

    app().wordAvailable = true;
    fx.dialogs.speller = [](const QString& t) { return QString(t).replace("Teh", "The \"x\""); };
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(form->txtStarting->toPlainText(), QStringLiteral("The 'x' start"));
}

void NewScenarioTest::exitOfNewWindow() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuNew->trigger();
    frmNew* form = Forms::find<frmNew>();
    writeAll(WorkingFiles::closedMapList(), "x");
    app().mapListExists = true;
    QTest::mouseClick(form->cmdExit, Qt::LeftButton);
    QVERIFY(!Forms::isLoaded<frmNew>());
    QVERIFY(!app().scenarioOpen);
    QVERIFY(!QFile::exists(WorkingFiles::closedMapList()));
    QVERIFY(app().mapListExists); // the flag stays set

    m->mnuNew->trigger();
    QVERIFY(app().scenarioOpen);
    QVERIFY(Forms::find<frmNew>()->closeByUser());
    QVERIFY(!app().scenarioOpen);
}

void NewScenarioTest::newClosesOpenScenarioWithoutAsking() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    writeAll(fx.path("two.vmd"), sb::header(2, 0) + sb::map("Map1") + sb::map("Map2"));
    openScenario(fx, m, fx.path("two.vmd"));
    QVERIFY(app().scenarioOpen);
    frmOutline* outline = Forms::find<frmOutline>();
    QTest::mouseClick(
        outline->TreeView1->viewport(), Qt::LeftButton, {},
        outline->TreeView1->visualItemRect(outline->TreeView1->topLevelItem(0)).center());
    settle();
    QCOMPARE(app().layoutWindows.size(), 3);
    auto* first = qobject_cast<frmLayout*>(app().layoutWindows.at(2).data());
    QVERIFY(first);
    writeAll(WorkingFiles::closedMapCopy(), "x");
    app().newMapNumber = 5;
    fx.dialogs.clear();

    m->mnuNew->trigger();
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Message).isEmpty());
    QVERIFY(!first->isLoaded());
    QVERIFY(QFile::exists(fx.path("two.vmdMap1.lrk"))); // closed under "Yes": image written
    QVERIFY(!QFile::exists(WorkingFiles::closedMapList()));
    QVERIFY(!QFile::exists(WorkingFiles::closedMapCopy()));
    QVERIFY(!app().mapListExists);
    QVERIFY(!app().mapListCopyExists);
    QCOMPARE(outline->TreeView1->topLevelItemCount(), 0);
    QVERIFY(!outline->isShown());
    QCOMPARE(app().newMapNumber, qint16(0));
    QCOMPARE(app().mapNodeCount, qint16(0));
    QVERIFY(!Forms::isLoaded<frmIcons>());
    QVERIFY(Forms::find<frmNew>()->isShown());
}

void NewScenarioTest::editScenarioDescription() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    const QByteArray rest = sb::map("Map1") + sb::footnote("Map1", "1");
    writeAll(fx.path("keep.vmd"), sb::header(1, 1) + rest);
    openScenario(fx, m, fx.path("keep.vmd"));
    frmOutline* outline = Forms::find<frmOutline>();
    QTest::mouseClick(outline->Command2, Qt::LeftButton);
    frmNewEdit* edit = Forms::find<frmNewEdit>();
    QVERIFY(edit && edit->isShown());
    QCOMPARE(edit->caption(), QStringLiteral("Scenario Description Edit"));
    QCOMPARE(edit->cmdOk->text(), QStringLiteral("OK"));
    QCOMPARE(edit->txtWorking->text(), QStringLiteral("Keep"));
    QCOMPARE(edit->lblDate->text(), QStringLiteral("1/2/2024"));
    QCOMPARE(edit->txtStarting->toPlainText(), QStringLiteral("Start, then\nmore"));
    edit->txtWorking->setText(QStringLiteral("Tower"));
    edit->txtStarting->setPlainText(QStringLiteral("New\nstart"));
    QTest::mouseClick(edit->cmdOk, Qt::LeftButton);
    QVERIFY(!Forms::isLoaded<frmNewEdit>());
    QCOMPARE(readAll(fx.path("keep.vmd")),
             "\"Tower\",\"Ann\",\"1/2/2024\",\"New\r\nstart\",1,1\r\n" + rest);
    QCOMPARE(outline->caption(), QStringLiteral("TOWER "));
}

class OpenScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void twoMapsGiveTwoNodes();
    void footnoteBecomesChildOfItsMap();
    void shortFileKeepsWhatWasRead();
    void secondOpenResetsFootnoteCount();
    void cancelledOpenChangesNothing();
};

void OpenScenarioTest::twoMapsGiveTwoNodes() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    writeAll(fx.path("two.vmd"), sb::header(2, 0) + sb::map("Map1") + sb::map("Map2"));
    openScenario(fx, m, fx.path("two.vmd"));
    frmOutline* outline = Forms::find<frmOutline>();
    QCOMPARE(nodeKeys(outline), (QStringList{"Map1=Map1", "Map2=Map2"}));
    QCOMPARE(outline->caption(), QStringLiteral("KEEP "));
    QVERIFY(outline->isShown());
    QCOMPARE(readAll(WorkingFiles::closedMapList()), sb::map("Map1") + sb::map("Map2"));
    QVERIFY(app().scenarioOpen);
    QCOMPARE(app().closedMapsPending, qint16(1));
    QVERIFY(app().outlineStarted);
    QCOMPARE(app().toolKind, QStringLiteral("TileSet"));
    QVERIFY(m->showMenuEnabled());
    QVERIFY(m->mnuSave->isEnabled());
    QVERIFY(m->mnurtf->isEnabled());
    QVERIFY(!m->mnuUndo->isEnabled());
    QCOMPARE(app().layoutWindows.size(), 2);
    QVERIFY(!app().layoutWindows.at(1)); // no layout window opens
    const auto opens = fx.dialogs.callsOf(ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(opens.first().file.filter, QStringLiteral("Vellum Files(*.vmd)|*.vmd"));
}

void OpenScenarioTest::footnoteBecomesChildOfItsMap() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    writeAll(fx.path("f.vmd"), sb::header(2, 2) + sb::map("Map1") + sb::map("Map2") +
                                   sb::footnote("Map2", "7") + sb::footnote("Nowhere", "8"));
    openScenario(fx, m, fx.path("f.vmd"));
    QCOMPARE(nodeKeys(Forms::find<frmOutline>()),
             (QStringList{"Map1=Map1", "Map2=Map2", "  Child3=7"}));
    QCOMPARE(app().footnoteCount, qint16(2));
    QCOMPARE(app().footnoteNodeCount, qint16(3));
}

void OpenScenarioTest::shortFileKeepsWhatWasRead() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    writeAll(fx.path("short.vmd"), sb::header(3, 0) + sb::map("Map1"));
    openScenario(fx, m, fx.path("short.vmd"));
    QCOMPARE(nodeKeys(Forms::find<frmOutline>()), (QStringList{"Map1=Map1"}));
    QVERIFY(!app().scenarioOpen); // as it was before
    QVERIFY(m->showMenuEnabled());
    QVERIFY(!m->mnuSave->isEnabled());
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Message).isEmpty());
}

void OpenScenarioTest::secondOpenResetsFootnoteCount() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    writeAll(fx.path("a.vmd"), sb::header(1, 3) + sb::map("A") + sb::footnote("A", "1") +
                                   sb::footnote("A", "2") + sb::footnote("A", "3"));
    writeAll(fx.path("b.vmd"), sb::header(1, 1) + sb::map("B") + sb::footnote("B", "1"));
    openScenario(fx, m, fx.path("a.vmd"));
    QCOMPARE(app().footnoteCount, qint16(3));
    openScenario(fx, m, fx.path("b.vmd"));
    QCOMPARE(app().footnoteCount, qint16(1));
    QCOMPARE(nodeKeys(Forms::find<frmOutline>()), (QStringList{"Map1=B", "  Child2=1"}));
    QVERIFY(m->mnuUndo->isEnabled()); // a scenario was open before
}

void OpenScenarioTest::cancelledOpenChangesNothing() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuOpen->trigger(); // no answer: cancelled
    QVERIFY(!app().scenarioOpen);
    QVERIFY(!m->showMenuEnabled());
    QVERIFY(!QFile::exists(WorkingFiles::closedMapList()));
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Message).isEmpty());
}

VELLUM_TEST(NewScenarioTest);
VELLUM_TEST(OpenScenarioTest);
#include "tst_lifecycle.moc"
