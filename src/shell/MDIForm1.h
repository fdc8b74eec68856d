#pragma once

#include "shell/Form.h"

#include <QAction>
#include <QColor>
#include <QKeySequence>
#include <QMenu>
#include <QSet>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenuBar;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace vellum {
class PictureBox;
class StatusPanels;
} // namespace vellum

// The main window: a multiple-document frame with the drawing tool bar on
// the left, a two-panel status bar and the menu tree.
class MDIForm1 : public vellum::Form {
    Q_OBJECT
public:
    MDIForm1();

    void Show();

    // --- children -------------------------------------------------------
    QMenuBar* menuBar;
    QMdiArea* mdiArea;
    QToolBar* Toolbar2;
    vellum::StatusPanels* StatusBar1;

    QToolButton* Command1; // Fill
    QToolButton* Command2; // Box
    QToolButton* Command3; // Circle
    QToolButton* Command4; // Line
    QToolButton* Command5; // Freehand Pencil
    QToolButton* Command6; // Closed Loop Freehand Pencil
    QToolButton* Command7; // Point
    QToolButton* Command8; // Polygon
    QLabel* Label1;
    QComboBox* ObjectCombo;
    QLabel* Label2;
    QComboBox* DrawCombo;
    QLabel* Label3;
    QComboBox* FillCombo;
    QLabel* Label4;
    QLineEdit* WidthText;
    QLabel* Label6;
    vellum::PictureBox* FillColorSwatch;
    QLabel* Label5;
    vellum::PictureBox* ForeColorSwatch;
    QCheckBox* chkSnap;
    QLineEdit* Text2; // second copy of the scenario path
    QTextEdit* Text1; // rich-text buffer of the document export
    vellum::PictureBox* FileDialog;

    // --- menus ----------------------------------------------------------
    QMenu* mnuFile;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QMenu* mnuExport;
    QAction* mnubmp;
    QAction* mnurtf;
    QAction* mnuExit;
    QMenu* mnuEdit;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QMenu* mnuShow2;
    QAction* mnuDungeon;
    QAction* mnuTown;
    QAction* mnuImport;
    QAction* mnuLarge;
    QAction* mnuInfo;
    QAction* mnuFoot;
    QAction* mnuBasic;
    QAction* mnuOutline;
    QMenu* mnuTools;
    QAction* mnuDice;
    QAction* mnuPaper;
    QMenu* mnuHelp;
    QAction* mnuAbout;

    // --- status bar and menus as the other windows use them -------------
    QString statusMode() const;
    void setStatusMode(const QString& text);
    QString mapTypePanel() const;
    void setMapTypePanel(const QString& text);
    // Reads panel 2: "Planet" and "World" disable Show > "Tile Set 1",
    // "Town" enables it, any other text changes nothing.
    void applyMapTypeToMenus();
    void setShowMenuEnabled(bool enabled);
    bool showMenuEnabled() const;
    // Pops the Show menu up at the pointer.
    void popupShowMenu();

    // --- handlers -------------------------------------------------------
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnubmp_Click();
    void mnurtf_Click();
    void mnuExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuDungeon_Click();
    void mnuTown_Click();
    void mnuImport_Click();
    void mnuLarge_Click();
    void mnuInfo_Click();
    void mnuFoot_Click();
    void mnuBasic_Click();
    void mnuOutline_Click();
    void mnuDice_Click();
    void mnuPaper_Click();
    void mnuAbout_Click();

    // Tool bar.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void ObjectCombo_Change();
    void ObjectCombo_Click();
    void WidthText_KeyUp();
    void ForeColorSwatch_Click();
    void FillColorSwatch_Click();

    // The exit sequence (File > Exit and the close box).
    void runExitSequence();

protected:
    void Form_Load() override;
    bool Form_QueryUnload(vellum::UnloadMode mode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void connectToolBar();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, void (MDIForm1::*handler)(),
                     bool checkable = false);
    void chooseShape(const QString& status, int shape);
    void swatchClicked(vellum::PictureBox* swatch, bool lineColour);
    bool m_exiting = false;
    QSet<QKeySequence> m_menuShortcuts; // checked at every key the window sees
    QColor m_lastColor = Qt::black;
};

namespace vellum {
// The main window, loading it on first use.
MDIForm1* mainForm();
} // namespace vellum
