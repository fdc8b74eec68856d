#include "document/TitleBlockForm.h"

#include "annotations/SpellCheck.h"
#include "shell/Controls.h"
#include "shell/FieldBoxes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vellum;

TitleBlockForm::TitleBlockForm(const char* name, const QString& caption, const QString& okCaption,
                               int okX, int clientHeight)
    : Form(Kind::MdiChild), m_clientHeight(clientHeight) {
    using namespace controls;
    setObjectName(QString::fromLatin1(name));
    setCaption(caption);
    Frame1 = borderlessFrame(this, "Frame1", {0, 0, 449, clientHeight});
    txtWorking = textBox(Frame1, "txtWorking", {88, 16, 353, 19});
    Label1 = label(Frame1, "Label1", QStringLiteral("Woking Title:"), 8, 16, txtWorking);
    txtAuthor = textBox(Frame1, "txtAuthor", {88, 40, 353, 19});
    Label2 = label(Frame1, "Label2", QStringLiteral("Created By:"), 8, 40, txtAuthor);
    lblDate = label(Frame1, "lblDate", {}, {96, 72, 97, 17});
    Label4 = label(Frame1, "Label4", QStringLiteral("Starting Date:"), 8, 72, lblDate);
    txtStarting = memo(Frame1, "txtStarting", {8, 112, 433, 179});
    Label3 = label(Frame1, "Label3", QStringLiteral("Starting Description:"), 8, 96, txtStarting);
    Command1 = button(Frame1, "Command1", QStringLiteral("Spell Check"), {8, 296, 73, 17});
    cmdOk = button(Frame1, "cmdOk", okCaption, {okX, 296, 73, 21});

    fieldboxes::guard(txtWorking);
    fieldboxes::guard(txtAuthor);
    fieldboxes::guard(txtStarting);
    connect(Command1, &QPushButton::clicked, this, &TitleBlockForm::Command1_Click);
}

void TitleBlockForm::place() {
    setClientSize(449, m_clientHeight);
    placeOnScreen(3);
}

void TitleBlockForm::Command1_Click() {
    if (auto checked = spellCheckBox(fieldboxes::text(txtStarting)))
        fieldboxes::setText(txtStarting, *checked);
}
