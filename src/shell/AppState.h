#pragma once

#include "document/FootnoteRecord.h"
#include "document/MapRecord.h"
#include "document/ScenarioHeader.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

namespace vellum {

class SpellEngine;

// The one process-wide record of state the windows share. Handlers read and
// write its fields directly; it is never passed around as an argument.
struct AppState {
    QString scenarioPath;
    bool scenarioOpen = false;
    bool unsavedChanges = false;
    QString toolKind;
    QString savedToolKind;
    bool wordAvailable = false;
    std::shared_ptr<SpellEngine> wordObject;

    // Layout windows by slot, indexed from 1 (slot 0 is never used). A slot
    // keeps its entry after its window has gone; the pointer then reads null.
    QList<QPointer<QObject>> layoutWindows;
    QList<bool> layoutSlotFree;

    bool outlineStarted = false;
    qint16 mapNodeCount = 0;
    qint16 footnoteNodeCount = 0;
    QString mapNodeKey;
    QString footnoteNodeKey;
    qint16 newMapNumber = 0;
    QString newMapTitle;
    qint16 openMapFromFile = 0;
    qint16 closedMapsPending = 0;
    QString closingForSave;
    bool mapListExists = false;
    bool mapListCopyExists = false;
    qint16 footnoteCount = 0;
    bool saveDialogCancelled = false;
    bool saveImageOnActivate = false;
    bool drawGraphLines = false;
    qint16 tileSize = 30;
    bool textPreviewReset = true;

    // Drawing tools on the tool bar.
    bool openFreehand = false;
    bool polygonStart = false;
    qint16 polygonPointCount = 0;
    qint16 shapeType = 0;
    float swatchRight = 0;
    float swatchBottom = 0;

    // Tile stamping.
    bool tileDragging = false;

    // Shapes, freehand strokes and polygons.
    bool shapeDragging = false;
    qint16 savedDrawMode = 0;
    qint16 savedDrawStyle = 0;
    float shapeX1 = 0, shapeY1 = 0, shapeX2 = 0, shapeY2 = 0;
    bool strokeActive = false;
    float strokeStartX = 0, strokeStartY = 0, strokeLastX = 0, strokeLastY = 0;
    bool polygonInProgress = false;
    QList<float> polygonX{0}; // vertices indexed from 1
    QList<float> polygonY{0};
    float rubberX = 0, rubberY = 0;

    // The record last read from or prepared for the scenario file.
    ScenarioHeader lastHeader;
    MapRecord lastMapRecord;
    FootnoteRecord lastFootnoteRecord;
};

AppState& app();
// Back to the start values (tests start each case from here).
void resetAppState();

} // namespace vellum
