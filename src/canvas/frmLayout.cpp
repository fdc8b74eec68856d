#include "canvas/frmLayout.h"

#include "canvas/BlankGrid.h"
#include "canvas/PictureBox.h"
#include "canvas/frmIcons.h"
#include "canvas/frmInfo.h"
#include "document/ClosedMapList.h"
#include "document/MapImage.h"
#include "document/ScenarioDialogs.h"
#include "document/ScenarioFile.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>

using namespace vellum;

frmLayout::frmLayout() : Form(Kind::MdiChild) {
    setObjectName(QStringLiteral("frmLayout"));
    setCaption(QStringLiteral("Layout"));

    farPict = new QWidget(this);
    farPict->setObjectName(QStringLiteral("farPict"));
    farPict->setGeometry(0, 0, 728, 728);
    farPict->setAutoFillBackground(true);
    QPalette white = farPict->palette();
    white.setColor(QPalette::Window, Qt::white);
    farPict->setPalette(white);

    Picture1 = new PictureBox(farPict, QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Map canvas"));
    Picture1->setGeometry(0, 8, 722, 722);
    Picture1->setBackColor(palette().color(QPalette::Base));
    Picture1->canvas().setForeColor(palette().color(QPalette::Text));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    Picture1->canvas().setFont(font);
    Picture1->setAutoSize(true);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(QStringLiteral("Scroll the map sideways"));
    HScroll1->setGeometry(0, 728, 729, 17);
    HScroll1->setRange(0, 110);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    HScroll1->setTracking(false);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setAccessibleName(QStringLiteral("Scroll the map up and down"));
    VScroll1->setGeometry(728, 0, 17, 721);
    VScroll1->setRange(0, 350);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(30);
    VScroll1->setTracking(false);

    pic = new PictureBox(this, QStringLiteral("pic"));
    pic->setGeometry(360, 336, 193, 169);
    pic->setAutoSize(true);
    pic->hide();
    SavePic1 = new PictureBox(this, QStringLiteral("SavePic1"));
    SavePic1->setGeometry(280, 192, 81, 33);
    SavePic1->setAutoSize(true);
    SavePic1->hide();

    m_canvas = std::make_unique<LayoutCanvas>(Picture1->canvas(), SavePic1->canvas());

    connect(HScroll1, &QScrollBar::valueChanged, this, &frmLayout::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmLayout::VScroll1_Change);
    connect(Picture1, &PictureBox::mouseDown, this, &frmLayout::Picture1_MouseDown);
    connect(Picture1, &PictureBox::mouseMove, this, &frmLayout::Picture1_MouseMove);
    connect(Picture1, &PictureBox::mouseUp, this, &frmLayout::Picture1_MouseUp);
}

frmLayout::~frmLayout() = default;

void frmLayout::Form_Load() {
    setClientSize(745, 745);
    app().unsavedChanges = true;
    Move(2300, 100);
}

void frmLayout::Form_Activate() {
    MDIForm1* main = mainForm();
    AppState& s = app();
    main->mnubmp->setEnabled(true);
    // Only a new map's window takes the graph paper: laid over an existing
    // map's canvas it would wipe the drawing.
    if (s.drawGraphLines && m_awaitingGraphPaper)
        Picture1->setPicture(Forms::get<frmIcons>()->Picture2->picture());
    m_awaitingGraphPaper = false;
    s.unsavedChanges = true;
    // The status bar shows the type of the map now active; a map keeps its
    // type, so the scenario file is read for it once.
    if (m_mapType.isEmpty()) {
        const QString title = caption();
        ScenarioFile::readMaps(s.scenarioPath, [&](const MapRecord& map) {
            if (map.title == title && m_mapType.isEmpty())
                m_mapType = map.type;
        });
    }
    if (!m_mapType.isEmpty())
        main->setMapTypePanel(m_mapType);
    main->applyMapTypeToMenus();
    if (s.saveImageOnActivate) {
        saveMapImage();
        s.saveImageOnActivate = false;
    }
}

void frmLayout::saveMapImage() {
    reportStoreFailure(MapImage::save(mainForm()->Text2->text(), caption(), Picture1->image()));
}

void frmLayout::Form_Deactivate() {
    MDIForm1* main = mainForm();
    main->mnuUndo->setEnabled(false);
    main->mnubmp->setEnabled(false);
}

// The window never refuses to close. Closed by the program (Save, New, Open,
// exit) it only saves its map image; closed by the user, the map also enters
// the closed-map list so that the outline can reopen it.
bool frmLayout::Form_QueryUnload(UnloadMode) {
    AppState& s = app();
    if (s.closingForSave == QLatin1String("Yes")) {
        saveMapImage();
        s.closingForSave = QStringLiteral("No");
        return true;
    }
    const StoreResult listed = ClosedMapList::addOnUserClose(s.scenarioPath, caption());
    saveMapImage();
    reportStoreFailure(listed);
    return true;
}

// --- scrolling --------------------------------------------------------------

void frmLayout::HScroll1_Change() {
    Picture1->move(-HScroll1->value(), Picture1->y());
}
void frmLayout::VScroll1_Change() {
    Picture1->move(Picture1->x(), -VScroll1->value());
}

// --- mouse work -------------------------------------------------------------

CanvasInputs frmLayout::readInputs() const {
    MDIForm1* main = mainForm();
    CanvasInputs in;
    in.tileSnap = main->chkSnap->isChecked();
    in.lineTypeIndex = main->DrawCombo->currentIndex();
    in.fillTypeIndex = main->FillCombo->currentIndex();
    in.shapeIndex = main->ObjectCombo->currentIndex();
    in.widthText = main->WidthText->text();
    in.fillSwatch = main->FillColorSwatch->backColor();
    if (frmInfo* info = Forms::find<frmInfo>())
        in.currentTile = info->currentTile();
    in.popupShowMenu = [] { mainForm()->popupShowMenu(); };
    return in;
}

void frmLayout::apply(const CanvasOutcome& out) {
    if (out.cursorShape)
        Picture1->setCursor(Qt::CursorShape(*out.cursorShape));
    if (out.statusMode)
        mainForm()->setStatusMode(*out.statusMode);
    if (out.beep)
        QApplication::beep();
}

void frmLayout::Picture1_MouseDown(int button, int shift, float x, float y) {
    MDIForm1* main = mainForm();
    main->mnuRedo->setEnabled(false);
    main->mnuUndo->setEnabled(true);
    // A press reads the current tile; a closed Information box comes back.
    frmInfo::ensureLoaded();
    const CanvasInputs in = readInputs();
    WaitCursor hourglass(app().toolKind == QLatin1String("Geo"));
    apply(m_canvas->press(button, shift, x, y, in));
}

void frmLayout::Picture1_MouseMove(int button, int shift, float x, float y) {
    const CanvasOutcome out = m_canvas->move(button, shift, x, y, readInputs());
    frmInfo* info = frmInfo::ensureLoaded();
    info->Text1->setText(QString::number(m_canvas->gMouseRow));
    info->Text2->setText(QString::number(m_canvas->gMouseCol));
    apply(out);
}

void frmLayout::Picture1_MouseUp(int button, int shift, float x, float y) {
    mainForm()->mnuUndo->setEnabled(true);
    const CanvasOutcome out = m_canvas->release(button, shift, x, y, readInputs());
    apply(out);
    if (out.commit)
        commitCanvas();
}

void frmLayout::commitCanvas() {
    PictureBox* scratch = Forms::get<frmIcons>()->picTExtSave;
    scratch->setPicture(Picture1->image());
    Picture1->setPicture(scratch->picture());
}

void frmLayout::undo() {
    m_canvas->undo();
}
