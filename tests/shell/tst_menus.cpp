#include "TestFixtures.h"
#include "TestRegistry.h"

#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"

#include <QLineEdit>
#include <QTest>

using namespace vellum;

namespace {
// Stands in for a layout window: records the closingForSave it was closed under.
class FakeLayout : public Form {
public:
    FakeLayout() : Form(Kind::MdiChild) {}
    QStringList* closedUnder = nullptr;

protected:
    bool Form_QueryUnload(UnloadMode) override {
        if (closedUnder)
            closedUnder->append(app().closingForSave);
        app().closingForSave = QStringLiteral("No");
        return true;
    }
};
} // namespace

class ShowMenuTest : public QObject {
    Q_OBJECT
private slots:
    void informationBoxQuirk();
    void informationBoxCloseBoxClearsMark();
    void footNotesAndBasicTextToolKinds();
};

void ShowMenuTest::informationBoxQuirk() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    QVERIFY(m->mnuInfo->isChecked());
    QVERIFY(!Forms::isLoaded<frmInfo>());

    m->setShowMenuEnabled(true);
    m->mnuInfo->trigger(); // first use hides the box that was never shown
    settle();
    QVERIFY(!m->mnuInfo->isChecked());
    QVERIFY(Forms::isLoaded<frmInfo>());
    QVERIFY(!Forms::find<frmInfo>()->isShown());

    m->mnuInfo->trigger();
    settle();
    QVERIFY(m->mnuInfo->isChecked());
    QVERIFY(Forms::find<frmInfo>()->isShown());
    // Its load position: 10 twips from the left (the nearest pixel is 1), 300 pixels down.
    QCOMPARE(Forms::find<frmInfo>()->frame()->pos(), QPoint(1, 300));

    m->mnuInfo->trigger();
    QVERIFY(!m->mnuInfo->isChecked());
    QVERIFY(!Forms::find<frmInfo>()->isShown());
}

void ShowMenuTest::informationBoxCloseBoxClearsMark() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    Forms::get<frmInfo>()->Show();
    m->mnuInfo->setChecked(true);
    QVERIFY(Forms::find<frmInfo>()->closeByUser());
    QVERIFY(!Forms::isLoaded<frmInfo>());
    QVERIFY(!m->mnuInfo->isChecked());
}

void ShowMenuTest::footNotesAndBasicTextToolKinds() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->setShowMenuEnabled(true);
    app().toolKind = QStringLiteral("TileSet");

    m->mnuFoot->trigger();
    QVERIFY(m->mnuFoot->isChecked());
    QCOMPARE(app().savedToolKind, QStringLiteral("TileSet"));
    QCOMPARE(app().toolKind, QString());

    m->mnuFoot->trigger();
    QVERIFY(!m->mnuFoot->isChecked());
    QCOMPARE(app().savedToolKind, QString()); // the tool kind was already empty

    app().toolKind = QStringLiteral("Draw");
    app().textPreviewReset = false;
    m->mnuBasic->trigger();
    QVERIFY(m->mnuBasic->isChecked());
    QVERIFY(app().textPreviewReset);
    QCOMPARE(app().savedToolKind, QStringLiteral("Draw"));
    QCOMPARE(app().toolKind, QString());

    app().textPreviewReset = false;
    m->mnuBasic->trigger();
    QVERIFY(!m->mnuBasic->isChecked());
    QVERIFY(app().textPreviewReset);
}

class ExitTest : public QObject {
    Q_OBJECT
private slots:
    void exitSequence_data();
    void exitSequence();
    void closeBoxRunsExitSequence();
    void ctrlXIsExitEvenInATextBox();
};

void ExitTest::exitSequence_data() {
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer"); // MsgResult given to the prompt
    QTest::addColumn<bool>("listCreated");
    QTest::addColumn<bool>("filesPresent");
    QTest::newRow("nothing changed") << false << int(MsgResult::Yes) << false << false;
    QTest::newRow("nothing changed, lists made") << false << int(MsgResult::Yes) << true << true;
    QTest::newRow("yes, lists present") << true << int(MsgResult::Yes) << true << true;
    QTest::newRow("yes, lists already gone") << true << int(MsgResult::Yes) << true << false;
    QTest::newRow("no, lists present") << true << int(MsgResult::No) << true << true;
    QTest::newRow("no, lists not from this run") << true << int(MsgResult::No) << false << true;
}

void ExitTest::exitSequence() {
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, listCreated);
    QFETCH(bool, filesPresent);
    AppFixture fx;
    MDIForm1* m = fx.main();
    Forms::get<frmIcons>();

    QStringList closedUnder;
    app().layoutWindows = {nullptr};
    for (int i = 0; i < 2; ++i) {
        auto* window = Forms::loadNew<FakeLayout>();
        window->closedUnder = &closedUnder;
        window->Show();
        app().layoutWindows.append(window);
    }
    app().layoutWindows.append(nullptr); // an empty slot is passed over

    if (filesPresent) {
        writeAll(WorkingFiles::closedMapList(), "x");
        writeAll(WorkingFiles::closedMapCopy(), "x");
    }
    writeAll(WorkingFiles::temporaryCopy(), "kept");
    app().mapListExists = listCreated;
    app().mapListCopyExists = listCreated;
    app().unsavedChanges = unsaved;
    fx.dialogs.messageAnswers.enqueue(MsgResult(answer));

    m->mnuExit->trigger();

    const auto prompts = fx.dialogs.callsOf(ScriptedDialogs::Kind::Message);
    if (unsaved) {
        QCOMPARE(prompts.size(), 1);
        const MessageRequest& r = prompts.first().message;
        QCOMPARE(r.text, QStringLiteral("You have made changes since the last save. Do you wish "
                                        "to save changes?"));
        QCOMPARE(r.title, QStringLiteral("WAIT!!!!"));
        QCOMPARE(r.buttons, MsgButtons::YesNo);
        QCOMPARE(r.defaultButton, MsgResult::No);
        QCOMPARE(r.icon, MsgIcon::Critical);
    } else {
        QVERIFY(prompts.isEmpty());
    }
    const bool saved = unsaved && MsgResult(answer) == MsgResult::Yes;
    const QStringList expectedClosures = saved ? QStringList{"Yes", "Yes"} : QStringList{};
    QCOMPARE(closedUnder, expectedClosures);
    QCOMPARE(app().unsavedChanges, unsaved && !saved);
    QVERIFY(!Forms::isLoaded<frmIcons>());
    QCOMPARE(QFile::exists(WorkingFiles::closedMapList()), filesPresent && !listCreated);
    QCOMPARE(QFile::exists(WorkingFiles::closedMapCopy()), filesPresent && !listCreated);
    QCOMPARE(readAll(WorkingFiles::temporaryCopy()), QByteArray("kept"));
    QVERIFY(fx.programEnded);
    QVERIFY(fx.dialogs.messageTexts().size() <= 1);
}

void ExitTest::closeBoxRunsExitSequence() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    app().unsavedChanges = true;
    fx.dialogs.messageAnswers.enqueue(MsgResult::No);
    m->close();
    QVERIFY(fx.programEnded);
    QCOMPARE(fx.dialogs.messageTexts().size(), 1);
}

void ExitTest::ctrlXIsExitEvenInATextBox() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->WidthText->setFocus();
    m->WidthText->selectAll();
    QTest::keyClick(m->WidthText, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(fx.programEnded);
    QCOMPARE(m->WidthText->text(), QStringLiteral("1")); // nothing was cut
}

VELLUM_TEST(ShowMenuTest);
VELLUM_TEST(ExitTest);
#include "tst_menus.moc"
