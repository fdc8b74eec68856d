#include "shell/MDIForm1.h"

#include "annotations/WordProbe.h"
#include "annotations/frmCheck.h"
#include "canvas/DrawingTools.h"
#include "canvas/LineWidth.h"
#include "canvas/PictureBox.h"
#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "canvas/frmLayout.h"
#include "document/ScenarioCommands.h"
#include "document/WorkingFiles.h"
#include "document/frmOutline.h"
#include "shell/AppState.h"
#include "shell/Controls.h"
#include "shell/Forms.h"
#include "shell/LayoutSlots.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellArt.h"
#include "shell/ShowMenuPopup.h"
#include "shell/StatusPanels.h"
#include "shell/UserDialogs.h"
#include "tiles/frmDungeonTiles.h"
#include "tiles/frmTownship.h"
#include "tools/frmAbout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace vellum;

namespace vellum {
MDIForm1* mainForm() {
    return Forms::get<MDIForm1>();
}
} // namespace vellum

namespace {

const QString kTitle = QStringLiteral("Harrowgate - The Vellum System 2");

QToolButton* pictureButton(QWidget* parent, const char* name, const QString& tip,
                           art::ToolPicture picture, int x, int y) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setIcon(QPixmap::fromImage(art::toolButtonPicture(picture)));
    button->setIconSize(QSize(48, 48));
    button->setGeometry(x, y, 57, 57);
    return button;
}

QComboBox* dropDownList(QWidget* parent, const char* name, const QString& tip,
                        const QStringList& items, int y) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setToolTip(tip);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setGeometry(8, y, 105, 21);
    return combo;
}

PictureBox* swatch(QWidget* parent, const char* name, const QString& tip, int y) {
    auto* box = new PictureBox(parent, QString::fromLatin1(name));
    box->setToolTip(tip);
    box->setAccessibleName(tip);
    box->setBorder(true);
    box->setGeometry(88, y, 25, 25);
    box->setBackColor(Qt::black);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

// Toggles a window from its menu item: a checked item hides the window and
// clears the mark, an unchecked one shows it and sets the mark.
template <class T> void toggleWindow(QAction* item) {
    if (item->isChecked()) {
        Forms::get<T>()->Hide();
        item->setChecked(false);
    } else {
        Forms::get<T>()->Show();
        item->setChecked(true);
    }
}

} // namespace

MDIForm1::MDIForm1() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowFlags(Qt::Window);
    setCaption(kTitle);
    resize(790, 716);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    layout->setMenuBar(menuBar);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    layout->addLayout(middle, 1);

    Toolbar2 = new QToolBar(this);
    Toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    Toolbar2->setOrientation(Qt::Vertical);
    Toolbar2->setMovable(false);
    Toolbar2->setFixedWidth(119);
    middle->addWidget(Toolbar2);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("MDIClient"));
    mdiArea->setBackground(palette().brush(QPalette::Dark));
    middle->addWidget(mdiArea, 1);
    Forms::setMdiArea(mdiArea);
    popUpShowMenuOver(mdiArea->viewport(), true);

    StatusBar1 = new StatusPanels(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    layout->addWidget(StatusBar1);

    buildToolBar();
    buildMenus();
    connectToolBar();
    qApp->installEventFilter(this);
}

void MDIForm1::buildToolBar() {
    auto* panel = new QWidget(Toolbar2);
    panel->setObjectName(QStringLiteral("Toolbar2Panel"));
    panel->setFixedSize(119, 470);
    // The labels share their row with a 25-pixel control at x 88.
    QFont small = panel->font();
    small.setPixelSize(9);
    panel->setFont(small);
    Toolbar2->addWidget(panel);

    using art::ToolPicture;
    Command5 = pictureButton(panel, "Command5", QStringLiteral("Freehand Pencil"),
                             ToolPicture::FreehandPencil, 0, 0);
    Command6 = pictureButton(panel, "Command6", QStringLiteral("Closed Loop Freehand Pencil"),
                             ToolPicture::ClosedLoopPencil, 56, 0);
    Command8 =
        pictureButton(panel, "Command8", QStringLiteral("Polygon"), ToolPicture::Polygon, 0, 56);
    Command1 = pictureButton(panel, "Command1", QStringLiteral("Fill"), ToolPicture::Fill, 56, 56);
    Command2 = pictureButton(panel, "Command2", QStringLiteral("Box"), ToolPicture::Box, 0, 112);
    Command3 =
        pictureButton(panel, "Command3", QStringLiteral("Circle"), ToolPicture::Circle, 56, 112);
    Command4 = pictureButton(panel, "Command4", QStringLiteral("Line"), ToolPicture::Line, 0, 168);
    Command7 =
        pictureButton(panel, "Command7", QStringLiteral("Point"), ToolPicture::Point, 56, 168);

    ObjectCombo = dropDownList(panel, "ObjectCombo", QStringLiteral("Shape Types"),
                               {QStringLiteral("Line"), QStringLiteral("Box"),
                                QStringLiteral("Circle"), QStringLiteral("Point")},
                               240);
    Label1 = controls::label(panel, "Label1", QStringLiteral("DRAW TYPE"), 8, 226, ObjectCombo);
    ObjectCombo->hide();
    Label1->hide();

    DrawCombo = dropDownList(panel, "DrawCombo", QStringLiteral("Outline Types"),
                             {QStringLiteral("Dash"), QStringLiteral("DashDot"),
                              QStringLiteral("DashDotDot"), QStringLiteral("Dot"),
                              QStringLiteral("Solid"), QStringLiteral("Transparent")},
                             272);
    Label2 = controls::label(panel, "Label2", QStringLiteral("DRAW LINE TYPE"), 8, 256, DrawCombo);

    FillCombo =
        dropDownList(panel, "FillCombo", QStringLiteral("Fill Types"),
                     {QStringLiteral("Cross"), QStringLiteral("Diagonal Cross"),
                      QStringLiteral("Downward Diagonal"), QStringLiteral("Horizontal Line"),
                      QStringLiteral("Solid"), QStringLiteral("Transparent"),
                      QStringLiteral("Upward Diagonal"), QStringLiteral("Vertical Line")},
                     320);
    Label3 = controls::label(panel, "Label3", QStringLiteral("DRAW FILL TYPE"), 8, 304, FillCombo);

    WidthText = new QLineEdit(QStringLiteral("1"), panel);
    WidthText->setObjectName(QStringLiteral("WidthText"));
    WidthText->setToolTip(QStringLiteral("Line Width"));
    WidthText->setMaxLength(2);
    WidthText->setGeometry(88, 352, 25, 19);
    Label4 = controls::label(panel, "Label4", QStringLiteral("LINE WIDTH"), 8, 354, WidthText);

    FillColorSwatch = swatch(panel, "FillColorSwatch", QStringLiteral("Fill Color Picker"), 376);
    Label6 =
        controls::label(panel, "Label6", QStringLiteral("FILL COLOR"), 8, 380, FillColorSwatch);
    ForeColorSwatch = swatch(panel, "ForeColorSwatch", QStringLiteral("Line Color Picker"), 400);
    ForeColorSwatch->canvas().setForeColor(Qt::red);
    Label5 =
        controls::label(panel, "Label5", QStringLiteral("OUTLINE COLOR"), 8, 404, ForeColorSwatch);

    chkSnap = new QCheckBox(QStringLiteral("Tile Snap"), panel);
    chkSnap->setObjectName(QStringLiteral("chkSnap"));
    chkSnap->setChecked(true);
    chkSnap->move(8, 440);
    chkSnap->adjustSize();

    Text2 = new QLineEdit(panel);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setAccessibleName(QStringLiteral("Scenario path"));
    Text2->hide();
    Text1 = new QTextEdit(panel);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Document buffer"));
    Text1->hide();
    FileDialog = new PictureBox(panel, QStringLiteral("FileDialog"));
    FileDialog->hide();
}

void MDIForm1::connectToolBar() {
    const std::pair<QToolButton*, void (MDIForm1::*)()> buttons[] = {
        {Command1, &MDIForm1::Command1_Click}, {Command2, &MDIForm1::Command2_Click},
        {Command3, &MDIForm1::Command3_Click}, {Command4, &MDIForm1::Command4_Click},
        {Command5, &MDIForm1::Command5_Click}, {Command6, &MDIForm1::Command6_Click},
        {Command7, &MDIForm1::Command7_Click}, {Command8, &MDIForm1::Command8_Click},
    };
    for (auto [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);
    connect(ObjectCombo, &QComboBox::currentIndexChanged, this, &MDIForm1::ObjectCombo_Change);
    connect(ObjectCombo, &QComboBox::activated, this, &MDIForm1::ObjectCombo_Click);
    connect(ForeColorSwatch, &PictureBox::clicked, this, &MDIForm1::ForeColorSwatch_Click);
    connect(FillColorSwatch, &PictureBox::clicked, this, &MDIForm1::FillColorSwatch_Click);
}

QAction* MDIForm1::addItem(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& shortcut, void (MDIForm1::*handler)(),
                           bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    if (!shortcut.isEmpty())
        m_menuShortcuts.insert(shortcut);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, action, handler, checkable] {
        // The handlers set the check marks themselves, from the state the
        // item had when it was chosen.
        if (checkable)
            action->setChecked(!action->isChecked());
        (this->*handler)();
    });
    return action;
}

void MDIForm1::buildMenus() {
    mnuFile = menuBar->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = addItem(mnuFile, "mnuNew", QStringLiteral("New"),
                     QKeySequence(QStringLiteral("Ctrl+N")), &MDIForm1::mnuNew_Click);
    mnuOpen = addItem(mnuFile, "mnuOpen", QStringLiteral("Open"),
                      QKeySequence(QStringLiteral("Ctrl+O")), &MDIForm1::mnuOpen_Click);
    mnuSave = addItem(mnuFile, "mnuSave", QStringLiteral("Save"),
                      QKeySequence(QStringLiteral("Ctrl+S")), &MDIForm1::mnuSave_Click);
    mnuExport = mnuFile->addMenu(QStringLiteral("Export"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    mnubmp = addItem(mnuExport, "mnubmp", QStringLiteral("BitMap"), {}, &MDIForm1::mnubmp_Click);
    mnurtf =
        addItem(mnuExport, "mnurtf", QStringLiteral("Microsoft Word"), {}, &MDIForm1::mnurtf_Click);
    mnuFile->addSeparator();
    mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("Exit"),
                      QKeySequence(QStringLiteral("Ctrl+X")), &MDIForm1::mnuExit_Click);

    mnuEdit = menuBar->addMenu(QStringLiteral("Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuUndo = addItem(mnuEdit, "mnuUndo", QStringLiteral("Undo"),
                      QKeySequence(QStringLiteral("Ctrl+Z")), &MDIForm1::mnuUndo_Click);
    mnuRedo = addItem(mnuEdit, "mnuRedo", QStringLiteral("Redo"),
                      QKeySequence(QStringLiteral("Ctrl+R")), &MDIForm1::mnuRedo_Click);

    mnuShow2 = menuBar->addMenu(QStringLiteral("Show"));
    mnuShow2->setObjectName(QStringLiteral("mnuShow2"));
    mnuDungeon = addItem(mnuShow2, "mnuDungeon", QStringLiteral("Tile Set 1"),
                         QKeySequence(QStringLiteral("Ctrl+D")), &MDIForm1::mnuDungeon_Click, true);
    mnuTown = addItem(mnuShow2, "mnuTown", QStringLiteral("Tile Set 2"),
                      QKeySequence(QStringLiteral("Ctrl+F")), &MDIForm1::mnuTown_Click, true);
    mnuImport = addItem(mnuShow2, "mnuImport", QStringLiteral("Import Tile Set"), {},
                        &MDIForm1::mnuImport_Click, true);
    mnuLarge = addItem(mnuShow2, "mnuLarge", QStringLiteral("Import Large Tiles"), {},
                       &MDIForm1::mnuLarge_Click, true);
    mnuShow2->addSeparator();
    mnuInfo = addItem(mnuShow2, "mnuInfo", QStringLiteral("Information Box"),
                      QKeySequence(QStringLiteral("Ctrl+I")), &MDIForm1::mnuInfo_Click, true);
    mnuFoot = addItem(mnuShow2, "mnuFoot", QStringLiteral("FootNotes"), QKeySequence(Qt::Key_F1),
                      &MDIForm1::mnuFoot_Click, true);
    mnuBasic = addItem(mnuShow2, "mnuBasic", QStringLiteral("Basic Text"), QKeySequence(Qt::Key_F2),
                       &MDIForm1::mnuBasic_Click, true);
    mnuOutline = addItem(mnuShow2, "mnuOutline", QStringLiteral("Outline"),
                         QKeySequence(Qt::Key_F3), &MDIForm1::mnuOutline_Click, true);

    mnuTools = menuBar->addMenu(QStringLiteral("Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuDice = addItem(mnuTools, "mnuDice", QStringLiteral("Dice Roller"), {},
                      &MDIForm1::mnuDice_Click, true);
    mnuPaper = addItem(mnuTools, "mnuPaper", QStringLiteral("Blank Map Paper"), {},
                       &MDIForm1::mnuPaper_Click);

    mnuHelp = menuBar->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout =
        addItem(mnuHelp, "mnuAbout", QStringLiteral("Version"), {}, &MDIForm1::mnuAbout_Click);

    mnuSave->setEnabled(false);
    mnubmp->setEnabled(false);
    mnurtf->setEnabled(false);
    mnuUndo->setEnabled(false);
    mnuRedo->setEnabled(false);
    mnuInfo->setChecked(true);
}

void MDIForm1::Show() {
    showMaximized();
    raise();
    activateWindow();
}

void MDIForm1::Form_Load() {
    AppState& s = app();
    s.tileSize = 30;
    s.textPreviewReset = true;
    s.drawGraphLines = false;
    s.scenarioOpen = false;
    setShowMenuEnabled(false);
    s.mapListExists = false;
    s.unsavedChanges = false;
    s.wordAvailable = true;

    const QString result = runWordProbe();
    Forms::get<frmCheck>()->Label1->setText(result);
}

// --- status bar and menu states ----------------------------------------

QString MDIForm1::statusMode() const {
    return StatusBar1->panelText(1);
}
void MDIForm1::setStatusMode(const QString& text) {
    StatusBar1->setPanelText(1, text);
}
QString MDIForm1::mapTypePanel() const {
    return StatusBar1->panelText(2);
}
void MDIForm1::setMapTypePanel(const QString& text) {
    StatusBar1->setPanelText(2, text);
}

void MDIForm1::applyMapTypeToMenus() {
    const QString type = mapTypePanel();
    if (type == QLatin1String("Planet") || type == QLatin1String("World"))
        mnuDungeon->setEnabled(false);
    else if (type == QLatin1String("Town"))
        mnuDungeon->setEnabled(true);
}

void MDIForm1::setShowMenuEnabled(bool enabled) {
    mnuShow2->menuAction()->setEnabled(enabled);
    mnuShow2->setEnabled(enabled);
}

bool MDIForm1::showMenuEnabled() const {
    return mnuShow2->menuAction()->isEnabled();
}

// A disabled Show menu offers nothing to choose: it does not pop up.
void MDIForm1::popupShowMenu() {
    if (showMenuEnabled())
        dialogs().popupMenu(mnuShow2, QCursor::pos());
}

// --- File ----------------------------------------------------------------

void MDIForm1::mnuNew_Click() {
    fileNew();
}
void MDIForm1::mnuOpen_Click() {
    fileOpen();
}
void MDIForm1::mnuSave_Click() {
    fileSave();
}
void MDIForm1::mnubmp_Click() {}
void MDIForm1::mnurtf_Click() {}
void MDIForm1::mnuExit_Click() {
    runExitSequence();
}

void MDIForm1::runExitSequence() {
    m_exiting = true;
    AppState& s = app();
    bool saveCanvases = false;
    if (s.unsavedChanges) {
        saveCanvases =
            msgBox(QStringLiteral("You have made changes since the last save. Do you wish to save "
                                  "changes?"),
                   QStringLiteral("WAIT!!!!"), MsgButtons::YesNo, MsgResult::No,
                   MsgIcon::Critical) == MsgResult::Yes;
    }
    if (saveCanvases) {
        s.unsavedChanges = false;
        closeLayoutWindowsForSave();
    }
    Forms::unload<frmIcons>();
    if (s.mapListExists)
        WorkingFiles::remove(WorkingFiles::closedMapList());
    if (s.mapListCopyExists)
        WorkingFiles::remove(WorkingFiles::closedMapCopy());
    endProgram();
}

bool MDIForm1::Form_QueryUnload(UnloadMode mode) {
    if (mode == UnloadMode::User && !m_exiting)
        runExitSequence();
    return true;
}

// --- Edit ----------------------------------------------------------------

// Undo puts the active layout window's snapshot back; any other active
// child window is passed over.
void MDIForm1::mnuUndo_Click() {
    if (auto* layout = qobject_cast<frmLayout*>(Forms::activeChild()))
        layout->undo();
}
void MDIForm1::mnuRedo_Click() {}

// --- Show and Tools ------------------------------------------------------

void MDIForm1::mnuDungeon_Click() {
    toggleWindow<frmDungeonTiles>(mnuDungeon);
}
void MDIForm1::mnuTown_Click() {
    toggleWindow<frmTownship>(mnuTown);
}
void MDIForm1::mnuImport_Click() {}
void MDIForm1::mnuLarge_Click() {}

void MDIForm1::mnuInfo_Click() {
    toggleWindow<frmInfo>(mnuInfo);
}

void MDIForm1::mnuFoot_Click() {
    mnuFoot->setChecked(!mnuFoot->isChecked());
    AppState& s = app();
    s.savedToolKind = s.toolKind;
    s.toolKind.clear();
}

void MDIForm1::mnuBasic_Click() {
    mnuBasic->setChecked(!mnuBasic->isChecked());
    AppState& s = app();
    s.textPreviewReset = true;
    s.savedToolKind = s.toolKind;
    s.toolKind.clear();
}

void MDIForm1::mnuOutline_Click() {
    toggleWindow<frmOutline>(mnuOutline);
}
void MDIForm1::mnuDice_Click() {}
void MDIForm1::mnuPaper_Click() {}

void MDIForm1::mnuAbout_Click() {
    dialogs().showModal(Forms::get<frmAbout>());
}

// --- tool bar --------------------------------------------------------------

namespace {
Canvas* activeCanvas() {
    auto* layout = qobject_cast<frmLayout*>(Forms::activeChild());
    return layout ? &layout->Picture1->canvas() : nullptr;
}
} // namespace

void MDIForm1::Command1_Click() {
    app().toolKind = QStringLiteral("Geo");
    setStatusMode(QStringLiteral("Fill Mode"));
}

// The shape buttons choose their entry of the shape list; choosing it from
// here is not a click on the list, so the button's own status text stays.
void MDIForm1::chooseShape(const QString& status, int shape) {
    app().toolKind = QStringLiteral("Draw");
    setStatusMode(status);
    app().openFreehand = false;
    ObjectCombo->setCurrentIndex(shape);
}

void MDIForm1::Command2_Click() {
    chooseShape(QStringLiteral("Box"), 1);
}
void MDIForm1::Command3_Click() {
    chooseShape(QStringLiteral("Circle"), 2);
}
void MDIForm1::Command4_Click() {
    chooseShape(QStringLiteral("Line"), 0);
}
void MDIForm1::Command7_Click() {
    chooseShape(QStringLiteral("Point"), 3);
}

void MDIForm1::Command5_Click() {
    app().toolKind = QStringLiteral("Pencil");
    setStatusMode(QStringLiteral("Freehand Mode"));
    app().openFreehand = true;
}

void MDIForm1::Command6_Click() {
    app().toolKind = QStringLiteral("Pencil");
    setStatusMode(QStringLiteral("Closed Freehand Mode"));
    app().openFreehand = false;
}

void MDIForm1::Command8_Click() {
    app().toolKind = QStringLiteral("Beizer");
    armPolygon();
}

void MDIForm1::ObjectCombo_Change() {
    app().shapeType = qint16(ObjectCombo->currentIndex());
}

void MDIForm1::ObjectCombo_Click() {
    app().toolKind = QStringLiteral("Draw");
    setStatusMode(QStringLiteral("Draw Mode"));
}

void MDIForm1::WidthText_KeyUp() {
    if (leadingNumber(WidthText->text()) != 0)
        return;
    msgBox(QStringLiteral("Numbers 1 through 99 only!"));
    WidthText->setText(QStringLiteral("1"));
}

void MDIForm1::swatchClicked(PictureBox* swatch, bool lineColour) {
    const std::optional<QColor> chosen = dialogs().chooseColor(m_lastColor);
    if (!chosen)
        return;
    m_lastColor = *chosen;
    swatch->setBackColor(*chosen);
    Canvas* canvas = activeCanvas();
    if (!canvas)
        return;
    if (lineColour)
        canvas->setForeColor(*chosen);
    else
        canvas->setFillColor(*chosen);
    Canvas& face = swatch->canvas();
    face.setForeColor(*chosen);
    face.setFillColor(*chosen);
    face.setFillStyle(FillStyle::Solid);
    face.box({0, 0}, {app().swatchRight, app().swatchBottom});
}

void MDIForm1::ForeColorSwatch_Click() {
    swatchClicked(ForeColorSwatch, true);
}
void MDIForm1::FillColorSwatch_Click() {
    swatchClicked(FillColorSwatch, false);
}

// --- events ----------------------------------------------------------------

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WidthText && event->type() == QEvent::KeyRelease)
        WidthText_KeyUp();
    // Menu shortcuts win over the text boxes' own keys: Ctrl+X is Exit and
    // Ctrl+Z is Undo even while a text box has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            if (m_menuShortcuts.contains(pressed))
                return true;
        }
    }
    return Form::eventFilter(watched, event);
}
