#pragma once

#include "canvas/PictureBox.h"
#include "shell/Form.h"

// The hidden store of stock pictures and scratch boxes. It is loaded on first
// use, never shown, and closed by the exit sequence, New and Open.
class frmIcons : public vellum::Form {
    Q_OBJECT
public:
    frmIcons();

    vellum::PictureBox* Picture2;    // the blank grid picture (graph paper)
    vellum::PictureBox* picTExtSave; // scratch box of the canvas commit

    // The door, double-door, secret-door and stairs pictures, by name
    // (picdn, ..., picstairsw); a null image for another name.
    QImage stockPicture(const QString& name) const;

protected:
    void Form_Load() override;
};
