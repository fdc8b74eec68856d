#include "TestFixtures.h"
#include "TestRegistry.h"

#include "annotations/frmCheck.h"
#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/StatusPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

using namespace vellum;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuTreeAtStart_data();
    void menuTreeAtStart();
    void menuOrder();
    void showMenuDisabledByLoad();
    void toolBarControls();
    void toolButtons_data();
    void toolButtons();
    void statusBarPanels();
    void startValues();
    void rightReleaseOverWorkspacePopsUpShowMenu();
};

void MainWindowTest::menuTreeAtStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    auto row = [](const char* name, const char* caption, const char* shortcut, bool enabled,
                  bool checked) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(shortcut) << enabled << checked;
    };
    row("mnuNew", "New", "Ctrl+N", true, false);
    row("mnuOpen", "Open", "Ctrl+O", true, false);
    row("mnuSave", "Save", "Ctrl+S", false, false);
    row("mnubmp", "BitMap", "", false, false);
    row("mnurtf", "Microsoft Word", "", false, false);
    row("mnuExit", "Exit", "Ctrl+X", true, false);
    row("mnuUndo", "Undo", "Ctrl+Z", false, false);
    row("mnuRedo", "Redo", "Ctrl+R", false, false);
    row("mnuDungeon", "Tile Set 1", "Ctrl+D", true, false);
    row("mnuTown", "Tile Set 2", "Ctrl+F", true, false);
    row("mnuImport", "Import Tile Set", "", true, false);
    row("mnuLarge", "Import Large Tiles", "", true, false);
    row("mnuInfo", "Information Box", "Ctrl+I", true, true);
    row("mnuFoot", "FootNotes", "F1", true, false);
    row("mnuBasic", "Basic Text", "F2", true, false);
    row("mnuOutline", "Outline", "F3", true, false);
    row("mnuDice", "Dice Roller", "", true, false);
    row("mnuPaper", "Blank Map Paper", "", true, false);
    row("mnuAbout", "Version", "", true, false);
}

void MainWindowTest::menuTreeAtStart() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    AppFixture fx;
    MDIForm1* m = fx.main();
    auto* item = m->findChild<QAction*>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    QCOMPARE(item->isEnabled(), enabled);
    QCOMPARE(item->isChecked(), checked);
}

void MainWindowTest::menuOrder() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    QStringList top;
    for (QAction* a : m->menuBar->actions())
        top << a->text();
    QCOMPARE(top, (QStringList{"File", "Edit", "Show", "Tools", "Help"}));
    auto captions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return texts;
    };
    QCOMPARE(captions(m->mnuFile), (QStringList{"New", "Open", "Save", "Export", "-", "Exit"}));
    QCOMPARE(captions(m->mnuExport), (QStringList{"BitMap", "Microsoft Word"}));
    QCOMPARE(captions(m->mnuShow2),
             (QStringList{"Tile Set 1", "Tile Set 2", "Import Tile Set", "Import Large Tiles", "-",
                          "Information Box", "FootNotes", "Basic Text", "Outline"}));
    QCOMPARE(captions(m->mnuTools), (QStringList{"Dice Roller", "Blank Map Paper"}));
    QCOMPARE(captions(m->mnuHelp), (QStringList{"Version"}));
}

void MainWindowTest::showMenuDisabledByLoad() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    QVERIFY(!m->mnuShow2->menuAction()->isEnabled());
    QVERIFY(m->mnuFile->menuAction()->isEnabled());
    QVERIFY(m->mnuExport->menuAction()->isEnabled());
}

void MainWindowTest::toolBarControls() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    QCOMPARE(m->windowTitle(), QStringLiteral("Harrowgate - The Vellum System 2"));
    QVERIFY(m->isMaximized());
    QCOMPARE(m->Toolbar2->width(), 119);

    auto items = [](QComboBox* c) {
        QStringList list;
        for (int i = 0; i < c->count(); ++i)
            list << c->itemText(i);
        return list;
    };
    QCOMPARE(items(m->ObjectCombo), (QStringList{"Line", "Box", "Circle", "Point"}));
    QVERIFY(m->ObjectCombo->isHidden());
    QVERIFY(m->Label1->isHidden());
    QCOMPARE(m->Label1->text(), QStringLiteral("DRAW TYPE"));
    QCOMPARE(items(m->DrawCombo),
             (QStringList{"Dash", "DashDot", "DashDotDot", "Dot", "Solid", "Transparent"}));
    QCOMPARE(items(m->FillCombo),
             (QStringList{"Cross", "Diagonal Cross", "Downward Diagonal", "Horizontal Line",
                          "Solid", "Transparent", "Upward Diagonal", "Vertical Line"}));
    QCOMPARE(m->DrawCombo->geometry(), QRect(8, 272, 105, 21));
    QCOMPARE(m->FillCombo->geometry(), QRect(8, 320, 105, 21));
    QCOMPARE(m->DrawCombo->toolTip(), QStringLiteral("Outline Types"));
    QCOMPARE(m->FillCombo->toolTip(), QStringLiteral("Fill Types"));
    QCOMPARE(m->Label2->text(), QStringLiteral("DRAW LINE TYPE"));
    QCOMPARE(m->Label3->text(), QStringLiteral("DRAW FILL TYPE"));
    QCOMPARE(m->Label2->buddy(), m->DrawCombo);

    QCOMPARE(m->WidthText->text(), QStringLiteral("1"));
    QCOMPARE(m->WidthText->maxLength(), 2);
    QCOMPARE(m->WidthText->geometry(), QRect(88, 352, 25, 19));
    QCOMPARE(m->WidthText->toolTip(), QStringLiteral("Line Width"));
    QCOMPARE(m->Label4->text(), QStringLiteral("LINE WIDTH"));

    QCOMPARE(m->FillColorSwatch->geometry(), QRect(88, 376, 25, 25));
    QCOMPARE(m->FillColorSwatch->backColor(), QColor(Qt::black));
    QCOMPARE(m->FillColorSwatch->toolTip(), QStringLiteral("Fill Color Picker"));
    QCOMPARE(m->ForeColorSwatch->geometry(), QRect(88, 400, 25, 25));
    QCOMPARE(m->ForeColorSwatch->backColor(), QColor(Qt::black));
    QCOMPARE(m->ForeColorSwatch->canvas().foreColor(), QColor(Qt::red));
    QCOMPARE(m->ForeColorSwatch->toolTip(), QStringLiteral("Line Color Picker"));
    QCOMPARE(m->Label6->text(), QStringLiteral("FILL COLOR"));
    QCOMPARE(m->Label5->text(), QStringLiteral("OUTLINE COLOR"));

    QCOMPARE(m->chkSnap->text(), QStringLiteral("Tile Snap"));
    QVERIFY(m->chkSnap->isChecked());
    QCOMPARE(m->chkSnap->pos(), QPoint(8, 440));

    QVERIFY(m->Text2->isHidden());
    QVERIFY(m->Text1->isHidden());
}

void MainWindowTest::toolButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("Command5") << "Command5"
                              << "Freehand Pencil" << QPoint(0, 0);
    QTest::newRow("Command6") << "Command6"
                              << "Closed Loop Freehand Pencil" << QPoint(56, 0);
    QTest::newRow("Command8") << "Command8"
                              << "Polygon" << QPoint(0, 56);
    QTest::newRow("Command1") << "Command1"
                              << "Fill" << QPoint(56, 56);
    QTest::newRow("Command2") << "Command2"
                              << "Box" << QPoint(0, 112);
    QTest::newRow("Command3") << "Command3"
                              << "Circle" << QPoint(56, 112);
    QTest::newRow("Command4") << "Command4"
                              << "Line" << QPoint(0, 168);
    QTest::newRow("Command7") << "Command7"
                              << "Point" << QPoint(56, 168);
}

void MainWindowTest::toolButtons() {
    QFETCH(QString, name);
    QFETCH(QString, tip);
    QFETCH(QPoint, position);
    AppFixture fx;
    MDIForm1* m = fx.main();
    auto* button = m->Toolbar2->findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), tip);
    QCOMPARE(button->geometry(), QRect(position, QSize(57, 57)));
    QVERIFY(!button->icon().isNull());
}

void MainWindowTest::statusBarPanels() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    QCOMPARE(m->StatusBar1->panelText(1), QString());
    QCOMPARE(m->StatusBar1->panelText(2), QString());
    auto* p1 = m->StatusBar1->findChild<QLabel*>("Panel1");
    auto* p2 = m->StatusBar1->findChild<QLabel*>("Panel2");
    QVERIFY(p1 && p2);
    QVERIFY(qAbs(p1->width() - p2->width()) <= 1);
}

void MainWindowTest::startValues() {
    AppFixture fx;
    app().tileSize = 0;
    app().textPreviewReset = false;
    app().drawGraphLines = true;
    app().unsavedChanges = true;
    fx.main();
    QCOMPARE(app().tileSize, qint16(30));
    QVERIFY(app().textPreviewReset);
    QVERIFY(!app().drawGraphLines);
    QVERIFY(!app().scenarioOpen);
    QVERIFY(!app().mapListExists);
    QVERIFY(!app().unsavedChanges);
    QCOMPARE(app().toolKind, QString());
}

void MainWindowTest::rightReleaseOverWorkspacePopsUpShowMenu() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    QWidget* workspace = m->mdiArea->viewport();
    // While the Show menu is disabled it has nothing to offer.
    QTest::mouseClick(workspace, Qt::RightButton, {}, QPoint(300, 300));
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup).isEmpty());
    m->setShowMenuEnabled(true);
    QTest::mouseClick(workspace, Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup).isEmpty());
    QTest::mouseClick(workspace, Qt::RightButton, {}, QPoint(300, 300));
    const auto popups = fx.dialogs.callsOf(ScriptedDialogs::Kind::Popup);
    QCOMPARE(popups.size(), 1);
    QCOMPARE(popups.first().menu, m->mnuShow2);
}

VELLUM_TEST(MainWindowTest);
#include "tst_mainwindow.moc"
