#pragma once

#include "canvas/LayoutCanvas.h"
#include "shell/Form.h"

#include <memory>

class QScrollBar;

namespace vellum {
class PictureBox;
}

// A layout window: one open map, its canvas in a white viewport with two
// scroll bars, the undo snapshot, and the dispatch of mouse work to the
// tool chosen on the tool bar or in the palettes.
class frmLayout : public vellum::Form {
    Q_OBJECT
public:
    frmLayout();
    ~frmLayout() override;

    QWidget* farPict;
    vellum::PictureBox* Picture1; // the canvas
    QScrollBar* HScroll1;
    QScrollBar* VScroll1;
    vellum::PictureBox* pic;
    vellum::PictureBox* SavePic1; // the undo snapshot

    // The canvas logic: pointer cell (gMouseRow, gMouseCol), stamp position
    // (s, l), undo and tool dispatch.
    vellum::LayoutCanvas& canvas() { return *m_canvas; }

    // A window opened for a new map takes the graph paper (while the New Map
    // window asks for it) on its first activation.
    void setAwaitingGraphPaper(bool on) { m_awaitingGraphPaper = on; }

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void HScroll1_Change();
    void VScroll1_Change();

    // Edit > Undo on this window.
    void undo();
    // Copies the shown image into the committed picture through the picture
    // store's scratch box.
    void commitCanvas();
    // Writes the canvas to the map's image file, telling the user if it fails.
    void saveMapImage();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    bool Form_QueryUnload(vellum::UnloadMode mode) override;

private:
    vellum::CanvasInputs readInputs() const;
    void apply(const vellum::CanvasOutcome& outcome);

    std::unique_ptr<vellum::LayoutCanvas> m_canvas;
    QString m_tag;
    QString m_mapType;
    bool m_awaitingGraphPaper = false;
};
