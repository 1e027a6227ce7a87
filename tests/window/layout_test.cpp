#include <gtest/gtest.h>

#include <set>
#include <string>

#include "window/layout.h"

using layout::kControls;
using layout::ToPixels;

TEST(Layout, ClientAreaIs631By276PixelsAt96Dpi) {
    EXPECT_EQ(ToPixels(layout::kClientWidth, 96), 631);
    EXPECT_EQ(ToPixels(layout::kClientHeight, 96), 276);
}

TEST(Layout, KeepsItsProportionsAtHigherDpi) {
    EXPECT_EQ(ToPixels(layout::kClientWidth, 120), 789);   // 125 %
    EXPECT_EQ(ToPixels(layout::kClientWidth, 144), 947);   // 150 %
    EXPECT_EQ(ToPixels(layout::kClientWidth, 192), 1262);  // 200 %
    EXPECT_EQ(layout::FontPixels(825, 96), 11);
    EXPECT_EQ(layout::FontPixels(825, 192), 22);
}

// The bitmap face has fixed sizes: only 96 DPI keeps it.
TEST(Layout, BitmapFaceOnlyAt96Dpi) {
    const std::wstring bitmap = L"MS Sans Serif", scalable = L"Microsoft Sans Serif";
    EXPECT_EQ(layout::FaceAt(layout::kDefaultFont.face, 96), bitmap);
    for (int dpi : {120, 144, 192})
        EXPECT_EQ(layout::FaceAt(layout::kDefaultFont.face, dpi), scalable);
    EXPECT_EQ(layout::FaceAt(L"Tahoma", 144), std::wstring(L"Tahoma"));
}

TEST(Layout, EveryControlSitsOnWholePixelsAt96Dpi) {
    for (const auto& row : kControls) {
        EXPECT_EQ(row.left % 15, 0) << row.id;
        EXPECT_EQ(row.top % 15, 0) << row.id;
        EXPECT_EQ(row.width % 15, 0) << row.id;
        EXPECT_EQ(row.height % 15, 0) << row.id;
    }
}

TEST(Layout, NoTwoControlsOverlap) {
    for (const auto& a : kControls) {
        for (const auto& b : kControls) {
            if (&a == &b) continue;
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << a.id << " overlaps " << b.id;
        }
    }
}

TEST(Layout, CloseButtonLies90TwipsFromTheRightEdge) {
    for (const auto& row : kControls) {
        if (row.name == platform::Control::cmd_Abbruch) {
            EXPECT_EQ(layout::kClientWidth - (row.left + row.width), 90);
        }
    }
}

TEST(Layout, TabOrderIsUniqueAndStartsAtTheHeading) {
    std::set<int> orders;
    for (const auto& row : kControls) {
        if (row.tabOrder >= 0) {
            EXPECT_TRUE(orders.insert(row.tabOrder).second) << row.id;
        }
    }
    EXPECT_EQ(orders, (std::set<int>{0, 1, 2, 3, 4}));
}
