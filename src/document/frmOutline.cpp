#include "document/frmOutline.h"

#include "document/ClosedMapList.h"
#include "document/LayoutOpener.h"
#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "document/frmMapedit.h"
#include "document/frmNewEdit.h"
#include "document/frmNewMap.h"
#include "shell/AppState.h"
#include "shell/Controls.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/UserDialogs.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace vellum;

namespace {
constexpr int KeyRole = Qt::UserRole;

std::function<void(const FootnoteRecord&)>& footnoteEditor() {
    static std::function<void(const FootnoteRecord&)> editor;
    return editor;
}
} // namespace

void frmOutline::setFootnoteEditor(std::function<void(const FootnoteRecord&)> editor) {
    footnoteEditor() = std::move(editor);
}

void frmOutline::openFootnoteForEditing(const FootnoteRecord& footnote) {
    if (footnoteEditor())
        footnoteEditor()(footnote);
}

frmOutline::frmOutline() : Form(Kind::MdiChild) {
    using namespace controls;
    setObjectName(QStringLiteral("frmOutline"));
    Frame1 = groupBox(this, "Frame1", {}, {0, 0, 378, 234});
    TreeView1 = new QTreeWidget(Frame1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setAccessibleName(QStringLiteral("Maps and footnotes"));
    TreeView1->setGeometry(16, 16, 209, 209);
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    cmdNew = button(Frame1, "cmdNew", QStringLiteral("New Map"), {232, 16, 137, 17});
    Command1 =
        button(Frame1, "Command1", QStringLiteral("Edit Map Description"), {232, 40, 137, 17});
    Command2 =
        button(Frame1, "Command2", QStringLiteral("Edit Scenario Descripton"), {232, 64, 137, 17});
    Text1 = textBox(Frame1, "Text1", {240, 96, 121, 19});
    Text1->setAccessibleName(QStringLiteral("Node clicked last"));
    Text1->setEnabled(false);
    Text1->hide();
    Text2 = textBox(Frame1, "Text2", {240, 136, 121, 19});
    Text2->setAccessibleName(QStringLiteral("Map of the footnote clicked last"));
    Text2->setEnabled(false);
    Text2->hide();

    connect(cmdNew, &QPushButton::clicked, this, &frmOutline::cmdNew_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOutline::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOutline::Command2_Click);
    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { TreeView1_NodeClick(item); });
}

void frmOutline::Form_Load() {
    setClientSize(378, 234);
    placeOnScreen(2);
    mainForm()->mnuOutline->setChecked(true);
}

// The close box only hides the outline: it lives as long as the program.
bool frmOutline::Form_QueryUnload(UnloadMode mode) {
    if (mode != UnloadMode::User)
        return true;
    mainForm()->mnuOutline->setChecked(false);
    Hide();
    return false;
}

// --- keyed nodes -------------------------------------------------------------

QTreeWidgetItem* frmOutline::addNode(const QString& key, const QString& text,
                                     const QString& parentKey) {
    QTreeWidgetItem* parent = parentKey.isEmpty() ? nullptr : node(parentKey);
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView1);
    item->setText(0, text);
    item->setData(0, KeyRole, key);
    m_nodes.insert(key, item);
    return item;
}

QTreeWidgetItem* frmOutline::node(const QString& key) const {
    return m_nodes.value(key);
}

QString frmOutline::nodeText(const QString& key) const {
    QTreeWidgetItem* item = node(key);
    return item ? item->text(0) : QString();
}

void frmOutline::removeAllNodes() {
    TreeView1->clear();
    m_nodes.clear();
}

void frmOutline::setLinesAtRoot(bool on) {
    TreeView1->setRootIsDecorated(on);
}

// --- buttons -----------------------------------------------------------------

void frmOutline::cmdNew_Click() {
    Forms::get<frmNewMap>()->Show();
    Hide();
}

void frmOutline::Command1_Click() {
    if (!Text1->text().isEmpty())
        Forms::get<frmMapedit>()->Show();
    else
        msgBox(QStringLiteral("You must choose a map to edit"));
}

void frmOutline::Command2_Click() {
    Forms::get<frmNewEdit>()->Show();
}

// --- node click ----------------------------------------------------------------

void frmOutline::TreeView1_NodeClick(QTreeWidgetItem* clicked) {
    if (!clicked)
        return;
    AppState& s = app();
    MDIForm1* main = mainForm();
    s.unsavedChanges = true;
    const QString text = clicked->text(0);
    Text1->setText(text);
    if (clicked->childCount() == 0 && clicked->parent())
        Text2->setText(clicked->parent()->text(0));

    ScenarioFile::readMaps(s.scenarioPath, [&](const MapRecord& map) {
        if (map.title == text)
            main->setMapTypePanel(map.type);
    });
    main->applyMapTypeToMenus();

    if (s.closedMapsPending != 0) {
        for (const MapRecord& map : ClosedMapList::records()) {
            if (map.title != text)
                continue;
            s.lastMapRecord = map;
            s.openMapFromFile = 1;
            openLayoutWindow();
        }
        reportStoreFailure(ClosedMapList::remove(text));
    }

    const QString mapTitle = Text2->text();
    ScenarioFile::readFootnotes(s.scenarioPath, [&](const FootnoteRecord& footnote) {
        if (footnote.mapTitle == mapTitle && footnote.label == text)
            openFootnoteForEditing(footnote);
    });
}
