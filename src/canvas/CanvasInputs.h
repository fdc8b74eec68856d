#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace vellum {

// What the canvas tools read from the tool bar and the other windows at the
// moment of each press, move or release.
struct CanvasInputs {
    bool tileSnap = true;   // "Tile Snap"
    int lineTypeIndex = -1; // position chosen in the line-type list
    int fillTypeIndex = -1; // position chosen in the fill-type list
    int shapeIndex = -1;    // position chosen in the shape list
    QString widthText = QStringLiteral("1");
    QColor fillSwatch = Qt::black;
    QImage currentTile; // the Information box's tile box, whole
    QString placedText; // label of the basic-text or footnote window
    // Pops the Show menu up at the pointer and returns when it has closed.
    std::function<void()> popupShowMenu;
};

// What the window has to do after an event.
struct CanvasOutcome {
    bool popupShowMenu = false; // the Show menu popped up at the pointer
    bool beep = false;
    bool commit = false;            // a completed release: commit the shown image
    bool busy = false;              // the event wants the hourglass while it runs
    std::optional<int> cursorShape; // Qt::CursorShape for the canvas pointer
    std::optional<QString> statusMode;
    bool unloadTextWindow = false; // the placed text's window has done its work
    bool restoreToolKind = false;
};

} // namespace vellum
