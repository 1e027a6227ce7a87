// The layout table applied to the real controls: positions, sizes, fonts and
// pictures at the window's DPI, the tab order, the place on the screen, and the
// drawing of the pictures.
#pragma once

#include <windows.h>

#include <array>
#include <iterator>

#include "platform/win32/unique_handles.h"
#include "window/layout.h"

namespace win32 {

constexpr std::size_t kControlCount = std::size(layout::kControls);
// The controls' windows, in the table's order.
using ControlWindows = std::array<HWND, kControlCount>;

class WindowLayout {
  public:
    explicit WindowLayout(HINSTANCE instance) : instance_(instance) {}

    // Stacks the controls by tab order: the dialog manager walks them in z-order.
    static void ArrangeTabOrder(const ControlWindows& controls);
    // Places and sizes the controls, makes their fonts and loads their pictures for dpi.
    void Apply(const ControlWindows& controls, UINT dpi);
    // Sizes the window for the client area at dpi and centres it on its screen.
    static void PlaceCentred(HWND window, DWORD style, DWORD exStyle, UINT dpi);
    // Draws an owner-drawn picture control on the background.
    void DrawPicture(const DRAWITEMSTRUCT& item, HBRUSH background) const;

  private:
    void LoadPicture(std::size_t index, UINT dpi);
    void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& area) const;

    HINSTANCE instance_;
    std::array<UniqueFont, kControlCount> fonts_{};
    std::array<UniqueIcon, kControlCount> icons_{};
    std::array<UniqueBitmap, kControlCount> bitmaps_{};
};

}  // namespace win32
