#include "document/frmNewEdit.h"

#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/FieldBoxes.h"
#include "shell/Forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vellum;

frmNewEdit::frmNewEdit()
    : TitleBlockForm("frmNewEdit", QStringLiteral("Scenario Description Edit"),
                     QStringLiteral("OK"), 208, 322) {
    connect(cmdOk, &QPushButton::clicked, this, &frmNewEdit::cmdOk_Click);
}

void frmNewEdit::Form_Load() {
    place();
    if (!ScenarioFile::readHeader(app().scenarioPath).ok())
        return;
    const ScenarioHeader& h = app().lastHeader;
    txtWorking->setText(h.workingTitle);
    txtAuthor->setText(h.author);
    lblDate->setText(h.startingDate);
    fieldboxes::setText(txtStarting, h.startingDescription);
}

void frmNewEdit::cmdOk_Click() {
    const StoreResult result = ScenarioFile::editScenarioDescription(
        app().scenarioPath, txtWorking->text(), txtAuthor->text(), fieldboxes::text(txtStarting));
    if (!result.ok()) {
        reportStoreFailure(result);
        return;
    }
    Forms::get<frmOutline>()->setCaption((txtWorking->text() + QLatin1Char(' ')).toUpper());
    Unload();
}
