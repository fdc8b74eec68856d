#pragma once

#include "shell/Form.h"

#include <QHash>
#include <QImage>

class QAction;
class QGroupBox;
class QToolButton;

// A floating palette of tile buttons in a frame. A right-button release over
// the frame pops the Show menu up; closing the window clears its Show-menu
// mark. Selecting a tile makes it the current tile of the Information box.
class PaletteForm : public vellum::Form {
    Q_OBJECT
public:
    // A tile button: its number, column and row in the grid, and tooltip.
    struct Place {
        int command;
        int column;
        int row;
        const char* tip;
    };

    QGroupBox* Frame1;

    // The button picture of Command<n>.
    QImage buttonPicture(int command) const;
    QToolButton* button(int command) const;

    // A tile chosen: the current tile (unless null), tool kind "TileSet",
    // and the status mode (unless empty). A closed Information box comes back.
    static void selectTile(const QImage& picture, const QString& statusMode);

protected:
    PaletteForm(const char* name, QAction* menuItem);
    // The frame holding the buttons; a right-button release over it pops the
    // Show menu up.
    void makeFrame(QWidget* parent, const QString& caption, const QRect& geometry);
    QToolButton* addTileButton(QWidget* parent, int command, int column, int row,
                               const QString& tip, const QImage& picture);
    // Left edge to the frame's edge, the top as designed.
    void placeAtLeftEdge(int designTop);
    bool Form_QueryUnload(vellum::UnloadMode mode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void buttonClicked(int command) = 0;

private:
    QAction* m_menuItem;
    QHash<int, QToolButton*> m_buttons;
    QHash<int, QImage> m_pictures;
};
