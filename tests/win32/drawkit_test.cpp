// The drawing kit owns exactly its 16 pens and 16 brushes: a kit that cleared its handles
// without deleting them would leak 32 objects at every window or dialog.
#include "drawkit.h"
#include "gdi_count.h"

#include <gtest/gtest.h>

TEST(DrawingKit, ACycleMakesThirtyTwoObjectsAndFreesThemAll) {
    setDrawingKit(true); // objects the system makes on first use
    setDrawingKit(false);
    int before = gdiObjectCount();
    ASSERT_GT(before, 0);
    setDrawingKit(true);
    EXPECT_EQ(gdiObjectCount(), before + 2 * kKitSize);
    setDrawingKit(false);
    EXPECT_EQ(gdiObjectCount(), before);
}
