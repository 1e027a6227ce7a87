#include <gtest/gtest.h>

#include <map>
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
    int found = 0;
    for (const auto& row : kControls) {
        if (row.name != platform::Control::cmd_Abbruch) continue;
        ++found;
        EXPECT_EQ(layout::kClientWidth - (row.left + row.width), 90);
    }
    EXPECT_EQ(found, 1);
}

// The heading first, then the close button, the status text, the install
// button and the wait label; the pictures take no part.
TEST(Layout, TabOrderFollowsTheControls) {
    using platform::Control;
    std::map<Control, int> orders;
    for (const auto& row : kControls) orders[row.name] = row.tabOrder;
    const std::map<Control, int> wanted = {{Control::Label1, 0}, {Control::cmd_Abbruch, 1},
                                           {Control::Label4, 2}, {Control::cmd_install, 3},
                                           {Control::Label3, 4}, {Control::Image1, -1},
                                           {Control::Image2, -1}};
    EXPECT_EQ(orders, wanted);
}
