#include "document/frmMapedit.h"

#include "annotations/SpellCheck.h"
#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Controls.h"
#include "shell/FieldBoxes.h"
#include "shell/Forms.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vellum;

namespace {
QString typeText(const QString& type) {
    if (type == QLatin1String("Planet"))
        return QStringLiteral("Star or Planetary Map");
    if (type == QLatin1String("World"))
        return QStringLiteral("Geographical or World Map");
    if (type == QLatin1String("Town"))
        return QStringLiteral("Castle, City, Town, Dungeon or Cave Map");
    return {};
}
} // namespace

frmMapedit::frmMapedit() : Form(Kind::MdiChild) {
    using namespace controls;
    setObjectName(QStringLiteral("frmMapedit"));
    setCaption(QStringLiteral("Form1"));
    Frame1 = borderlessFrame(this, "Frame1", {0, 0, 477, 340});
    Frame3 = groupBox(Frame1, "Frame3", QStringLiteral("TITLE OF MAP"), {8, 8, 425, 41});
    txtMapName = label(Frame3, "txtMapName", QStringLiteral("Label1"), {8, 16, 409, 19});
    Frame2 = groupBox(Frame1, "Frame2", QStringLiteral("MAP TYPE"), {8, 56, 257, 49});
    Label1 = label(Frame2, "Label1", QStringLiteral("Label1"), {8, 20, 241, 19});
    Text1 = memo(Frame1, "Text1", {8, 136, 457, 169});
    Label2 = label(Frame1, "Label2", QStringLiteral("MAP DESCRIPTION"), 16, 112, Text1);
    Command1 = button(Frame1, "Command1", QStringLiteral("Spell Check"), {8, 312, 89, 17});
    cmdOK = button(Frame1, "cmdOK", QStringLiteral("OK"), {200, 312, 73, 17});
    fieldboxes::guard(Text1);
    connect(Command1, &QPushButton::clicked, this, &frmMapedit::Command1_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmMapedit::cmdOK_Click);
}

void frmMapedit::Form_Load() {
    setClientSize(477, 340);
    const QString clicked = Forms::get<frmOutline>()->Text1->text();
    ScenarioFile::readMaps(app().scenarioPath, [&](const MapRecord& map) {
        if (map.title != clicked)
            return;
        txtMapName->setText(map.title);
        if (const QString text = typeText(map.type); !text.isEmpty())
            Label1->setText(text);
        fieldboxes::setText(Text1, map.description);
    });
}

void frmMapedit::Command1_Click() {
    if (auto checked = spellCheckBox(fieldboxes::text(Text1)))
        fieldboxes::setText(Text1, *checked);
}

void frmMapedit::cmdOK_Click() {
    const StoreResult result = ScenarioFile::editMapDescription(
        app().scenarioPath, txtMapName->text(), fieldboxes::text(Text1));
    if (!result.ok()) {
        reportStoreFailure(result);
        return;
    }
    Unload();
}
