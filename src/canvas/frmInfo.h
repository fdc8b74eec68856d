#pragma once

#include "shell/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vellum {
class PictureBox;
}

// The Information box: the current tile, the mirror buttons and the grid
// cell under the pointer.
class frmInfo : public vellum::Form {
    Q_OBJECT
public:
    frmInfo();

    QGroupBox* Frame1;
    vellum::PictureBox* Picture2; // the current tile
    QGroupBox* Frame2;
    QLabel* Label3;
    QPushButton* Command3; // "<": mirror top to bottom
    QPushButton* Command2; // ">": mirror left to right
    QLabel* Label1;
    QLineEdit* Text1; // grid row under the pointer
    QLabel* Label2;
    QLineEdit* Text2; // grid column under the pointer
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text3;
    QScrollBar* HScroll1;
    vellum::PictureBox* Picture1; // working copy for mirroring

    // The box, loaded and shown again when the user had closed it.
    static frmInfo* ensureLoaded();

    // Makes a picture the current tile (the working copy follows).
    void setCurrentTile(const QImage& picture);
    QImage currentTile() const;

    void Command2_Click();
    void Command3_Click();
    void HScroll1_Change();

protected:
    void Form_Load() override;
    bool Form_QueryUnload(vellum::UnloadMode mode) override;

private:
    void mirror(bool leftToRight);
};
