#include "drawkit.h"

DrawingKit drawingKit{};

void setDrawingKit(bool create) {
    if (create)
        drawingKit.colour = kKitColours;
    for (int k = 0; k < kKitSize; ++k) {
        if (create) {
            drawingKit.pen[k] = CreatePen(PS_SOLID, 1, drawingKit.colour[k]);
            drawingKit.brush[k] = CreateSolidBrush(drawingKit.colour[k]);
        } else {
            DeleteObject(drawingKit.brush[k]);
            DeleteObject(drawingKit.pen[k]);
            // Absent again: painting after the delete must not reach freed handles.
            drawingKit.brush[k] = nullptr;
            drawingKit.pen[k] = nullptr;
        }
    }
}
