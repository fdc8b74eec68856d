#include "document/frmNewMap.h"

#include "annotations/SpellCheck.h"
#include "canvas/frmInfo.h"
#include "document/LayoutOpener.h"
#include "document/MapImage.h"
#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "document/frmNew.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Controls.h"
#include "shell/FieldBoxes.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/UserDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

using namespace vellum;

frmNewMap::frmNewMap() : Form(Kind::MdiChild) {
    using namespace controls;
    setObjectName(QStringLiteral("frmNewMap"));
    setCaption(QStringLiteral("New Map"));
    Frame1 = borderlessFrame(this, "Frame1", {0, 0, 475, 338});
    txtMapName = textBox(Frame1, "txtMapName", {8, 24, 209, 25});
    Label1 = label(Frame1, "Label1", QStringLiteral("Title of map:"), 8, 8, txtMapName);
    Check1 = checkBox(Frame1, "Check1", QStringLiteral("Draw Graph Paper Lines"), {8, 72, 145, 17});
    Check1->setChecked(true);
    Text1 = memo(Frame1, "Text1", {8, 160, 457, 145});
    Text1->setPlainText(QStringLiteral("Text1"));
    Label2 = label(Frame1, "Label2", QStringLiteral("Map Description:"), 8, 144, Text1);
    Command1 = button(Frame1, "Command1", QStringLiteral("Spell Check"), {8, 312, 105, 17});
    cmdOK = button(Frame1, "cmdOK", QStringLiteral("OK"), {200, 312, 73, 17});

    fieldboxes::guard(txtMapName);
    fieldboxes::guard(Text1);
    connect(Check1, &QCheckBox::clicked, this, &frmNewMap::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmNewMap::Command1_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmNewMap::cmdOK_Click);
}

void frmNewMap::Form_Load() {
    app().drawGraphLines = true;
    setClientSize(475, 338);
    placeOnScreen(3);
    app().newMapNumber = qint16(app().newMapNumber + 1);
    txtMapName->setText(QStringLiteral("Map ") + QString::number(app().newMapNumber));
    setCloseBoxLocked(true);
}

void frmNewMap::Check1_Click() {
    app().drawGraphLines = Check1->isChecked();
}

void frmNewMap::Command1_Click() {
    if (auto checked = spellCheckBox(fieldboxes::text(Text1)))
        fieldboxes::setText(Text1, *checked);
}

namespace {

// The reasons a title is refused before anything is written: a duplicate
// (one message per record that has it), a title that cannot name its
// image file, or a scenario that already holds the most maps it can.
bool titleRefused(const QString& title) {
    bool refused = false;
    ScenarioFile::readMaps(app().scenarioPath, [&](const MapRecord& map) {
        if (map.title != title)
            return;
        msgBox(QStringLiteral("There is already a map named ") + map.title +
                   QStringLiteral(". Please rename this map"),
               QStringLiteral("Error"));
        refused = true;
    });
    if (refused)
        return true;
    const QString problem = MapImage::titleProblem(mainForm()->Text2->text(), title);
    if (!problem.isEmpty()) {
        msgBox(problem, QStringLiteral("Error"));
        return true;
    }
    if (app().lastHeader.mapCount == std::numeric_limits<qint16>::max()) {
        msgBox(QStringLiteral("This scenario holds as many maps as it can (32767); no map can "
                              "be added."),
               QStringLiteral("Error"));
        return true;
    }
    return false;
}

void addMapNode(frmOutline* outline) {
    AppState& s = app();
    s.mapNodeCount = qint16(s.mapNodeCount + 1);
    s.footnoteNodeCount = qint16(s.footnoteNodeCount + 1);
    s.footnoteNodeKey = QStringLiteral("Child") + QString::number(s.footnoteNodeCount);
    s.mapNodeKey = QStringLiteral("Map") + QString::number(s.mapNodeCount);
    outline->addNode(s.mapNodeKey, s.newMapTitle);
}

} // namespace

void frmNewMap::cmdOK_Click() {
    MDIForm1* main = mainForm();
    AppState& s = app();
    main->setShowMenuEnabled(true);
    setCloseBoxLocked(false);
    const QString title = txtMapName->text();
    if (!titleRefused(title)) {
        s.newMapTitle = title;
        main->setStatusMode(QStringLiteral("Tile Mode"));
        main->setMapTypePanel(QStringLiteral("Town"));
        const MapRecord record{title, QStringLiteral("Town"), fieldboxes::text(Text1)};
        frmOutline* outline = Forms::get<frmOutline>();
        if (s.outlineStarted) {
            outline->setLinesAtRoot(true);
            addMapNode(outline);
            outline->Show();
            Forms::get<frmInfo>()->Show();
            openLayoutWindow();
            reportStoreFailure(ScenarioFile::addMap(s.scenarioPath, record));
            outline->update();
            Unload();
        } else {
            s.layoutWindows = {nullptr, nullptr};
            s.layoutSlotFree = {false, false};
            if (frmNew* newScenario = Forms::find<frmNew>())
                outline->setCaption(newScenario->txtWorking->text().toUpper());
            addMapNode(outline);
            openLayoutWindow();
            reportStoreFailure(ScenarioFile::addFirstMap(s.scenarioPath, record));
            main->mnuOutline->setChecked(true);
            outline->Hide();
            outline->Show();
            Forms::get<frmInfo>()->Show();
            Unload();
            s.outlineStarted = true;
        }
    }
    s.saveImageOnActivate = true;
}
