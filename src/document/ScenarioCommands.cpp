#include "document/ScenarioCommands.h"

#include "canvas/frmIcons.h"
#include "document/ClosedMapList.h"
#include "document/LayoutOpener.h"
#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioOpen.h"
#include "document/frmNew.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/LayoutSlots.h"
#include "shell/MDIForm1.h"
#include "shell/UserDialogs.h"
#include "shell/WaitCursor.h"

#include <QLineEdit>

namespace vellum {

namespace {

QString& lastOpenName() {
    static QString name;
    return name;
}

// Closing the open scenario (New, Open): every canvas is saved, the picture
// store and the working files go, the outline is emptied. Nothing is asked.
void closeScenario() {
    AppState& s = app();
    s.unsavedChanges = false;
    closeLayoutWindowsForSave();
    Forms::unload<frmIcons>();
    ClosedMapList::deleteFiles(true);
    s.mapNodeCount = 0;
    s.footnoteNodeCount = 0;
    Forms::get<frmOutline>()->removeAllNodes();
}

} // namespace

void fileNew() {
    MDIForm1* main = mainForm();
    AppState& s = app();
    main->mnuSave->setEnabled(false);
    main->mnurtf->setEnabled(false);
    frmOutline* outline = Forms::get<frmOutline>();
    outline->setLinesAtRoot(true);
    if (s.scenarioOpen) {
        closeScenario();
        s.newMapNumber = 0;
    } else {
        s.scenarioOpen = true;
    }
    outline->Hide();
    Forms::get<frmNew>()->Show();
}

void fileOpen() {
    MDIForm1* main = mainForm();
    AppState& s = app();
    frmOutline* outline = Forms::get<frmOutline>();
    outline->setLinesAtRoot(true);
    s.saveImageOnActivate = false;
    outline->removeAllNodes();
    outline->Hide();

    const bool wasOpen = s.scenarioOpen;
    if (!wasOpen) {
        s.mapNodeCount = 0;
        s.footnoteNodeCount = 0;
        main->setShowMenuEnabled(false);
        s.mapListExists = false;
        s.unsavedChanges = false;
        s.toolKind = QStringLiteral("TileSet");
        lastOpenName().clear();
    } else {
        closeScenario();
        outline->Hide();
    }

    FileRequest request;
    request.filter = kScenarioFilter;
    request.filterIndex = 2;
    request.fileName = lastOpenName();
    const std::optional<QString> chosen = dialogs().openFileName(request);
    if (!chosen)
        return;
    lastOpenName() = *chosen;
    s.scenarioPath = *chosen;
    main->Text2->setText(*chosen);

    WaitCursor hourglass;
    const OpenedScenario opened = ScenarioOpen::read(*chosen, s.mapNodeCount, s.footnoteNodeCount);
    if (!opened.reached(OpenedScenario::Stage::Header))
        return;
    outline->Show();
    s.closedMapsPending = 1;
    s.outlineStarted = true;
    main->setShowMenuEnabled(true);
    if (!wasOpen)
        main->mnurtf->setEnabled(true);

    if (opened.header.mapCount > 0) {
        s.layoutWindows.resize(2);
        s.layoutSlotFree.resize(2);
    }
    if (!opened.caption.isEmpty())
        outline->setCaption(opened.caption);
    for (const OutlineNode& node : opened.mapNodes)
        outline->addNode(node.key, node.text);
    s.mapNodeCount = qint16(opened.mapNodeCount);
    s.footnoteNodeCount = qint16(opened.footnoteNodeCount);
    if (!opened.mapNodeKey.isEmpty())
        s.mapNodeKey = opened.mapNodeKey;
    if (!opened.footnoteNodeKey.isEmpty())
        s.footnoteNodeKey = opened.footnoteNodeKey;
    if (!opened.reached(OpenedScenario::Stage::Maps))
        return;

    main->mnuSave->setEnabled(true);
    if (wasOpen)
        main->mnuUndo->setEnabled(true);
    s.footnoteCount = opened.footnoteCount;
    for (const OutlineNode& node : opened.footnoteNodes)
        outline->addNode(node.key, node.text, node.parentKey);
    if (opened.reached(OpenedScenario::Stage::Complete))
        s.scenarioOpen = true;
}

void fileSave() {
    AppState& s = app();
    WaitCursor hourglass;
    s.unsavedChanges = false;
    closeLayoutWindowsForSave();

    QList<MapRecord> maps;
    if (ScenarioFile::readMaps(s.scenarioPath, [&maps](const MapRecord& m) { maps << m; }).ok()) {
        const QSet<QString> closed = ClosedMapList::titles();
        for (const MapRecord& map : maps) {
            if (closed.contains(map.title))
                continue;
            s.lastMapRecord = map;
            s.openMapFromFile = 1;
            openLayoutWindow();
        }
    }
    s.closingForSave = QStringLiteral("No");
}

} // namespace vellum
