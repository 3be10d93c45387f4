#include "drawkit.h"

DrawingKit drawingKit{};

void setDrawingKit(int mode) {
    if (mode != 0)
        drawingKit.colour = kKitColours;
    for (int k = 0; k < kKitSize; ++k) {
        if (mode == 1) {
            drawingKit.pen[k] = CreatePen(PS_SOLID, 1, drawingKit.colour[k]);
            drawingKit.brush[k] = CreateSolidBrush(drawingKit.colour[k]);
        } else if (mode == 0) {
            DeleteObject(drawingKit.brush[k]);
            DeleteObject(drawingKit.pen[k]);
            // Absent again: painting after the delete must not reach freed handles.
            drawingKit.brush[k] = nullptr;
            drawingKit.pen[k] = nullptr;
        }
    }
}
