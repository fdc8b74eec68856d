#include "document/frmNew.h"

#include "document/ClosedMapList.h"
#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "document/frmNewMap.h"
#include "shell/AppState.h"
#include "shell/Controls.h"
#include "shell/FieldBoxes.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/UserDialogs.h"
#include "shell/WaitCursor.h"

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vellum;

frmNew::frmNew()
    : TitleBlockForm("frmNew", QStringLiteral("Sarting a new Scenario"),
                     QStringLiteral("Create it!"), 160, 324) {
    cmdExit = controls::button(Frame1, "cmdExit", QStringLiteral("Exit"), {232, 296, 73, 21});
    connect(cmdOk, &QPushButton::clicked, this, &frmNew::cmdOk_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmNew::cmdExit_Click);
}

void frmNew::Form_Load() {
    lblDate->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    place();
}

void frmNew::cmdOk_Click() {
    MDIForm1* main = mainForm();
    AppState& s = app();
    main->mnuSave->setEnabled(true);
    main->mnurtf->setEnabled(true);
    s.lastHeader.mapCount = 0;
    s.footnoteCount = 0;

    ScenarioHeader header;
    header.workingTitle = txtWorking->text();
    header.author = txtAuthor->text();
    header.startingDate = lblDate->text();
    header.startingDescription = fieldboxes::text(txtStarting);
    StoreResult written = ScenarioFile::writeNewHeader(header);

    s.saveDialogCancelled = false;
    FileRequest request;
    request.filter = kScenarioFilter;
    request.filterIndex = 2;
    request.confirmOverwrite = true; // replacing a scenario by a new header would destroy it
    const std::optional<QString> chosen =
        written.ok() ? dialogs().saveFileName(request) : std::nullopt;
    if (!chosen) {
        s.saveDialogCancelled = true;
    } else {
        s.scenarioPath = *chosen;
        main->Text2->setText(*chosen);
        WaitCursor hourglass;
        s.footnoteCount = 0;
        written = ScenarioFile::createFromTemporaryCopy(*chosen);
        if (!written.ok())
            s.saveDialogCancelled = true;
    }
    reportStoreFailure(written);

    reportStoreFailure(ClosedMapList::create());
    if (s.saveDialogCancelled)
        return;
    Hide();
    Forms::get<frmNewMap>()->Show();
}

void frmNew::cmdExit_Click() {
    ClosedMapList::deleteFiles(false);
    app().scenarioOpen = false;
    Unload();
}

bool frmNew::Form_QueryUnload(UnloadMode mode) {
    if (mode == UnloadMode::User)
        app().scenarioOpen = false;
    return true;
}
