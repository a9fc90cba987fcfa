#pragma once

#include "grid/GridTypes.h"

#include <QColor>

namespace grid {

// The behaviour switches of a grid with their construction defaults.
struct GridOptions
{
    bool editable = true;
    bool listMode = false;          // clicks and keys select whole rows
    bool singleRowSelection = false; // in list mode, one row at a time
    bool selectionEnabled = true;
    bool drawingEnabled = true;     // when off nothing is painted or invalidated
    bool rowResize = true;
    bool columnResize = true;
    bool hideColumnsBySizing = false; // a column sized to 0 is hidden instead of kept at 1 pixel
    bool hideRowsBySizing = false;
    bool headerSort = false;
    bool handleTabKey = true;
    bool trackFocusCell = true;     // fixed cells in the focus row and column drawn sunken
    bool frameFocusCell = true;
    bool dragAndDrop = false;
    bool clipboardKeys = true;      // Ctrl+C, Ctrl+Insert, Ctrl+X and Ctrl+V copy, cut and paste
    int gridLines = GVL_BOTH;
    int resizeCaptureZone = 3;      // pixels either side of a divider
    int autoSizeStyle = GVS_BOTH;
    int autoScrollMs = 25;
    QColor gridBkColour;            // invalid: the palette's button-shadow colour
    QColor gridLineColour = QColor(192, 192, 192);
};

} // namespace grid
