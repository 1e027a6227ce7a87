#include "platform/win32/window_layout.h"

#include <algorithm>
#include <utility>

#include "platform/win32/dpi.h"

namespace win32 {
namespace {

UniqueFont MakeFont(const layout::Font& font, int dpi) {
    return UniqueFont(::CreateFontW(
        -layout::FontPixels(font.hundredthsOfPoint, dpi), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
        FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, layout::FaceAt(font.face, dpi)));
}

}  // namespace

void WindowLayout::ArrangeTabOrder(const ControlWindows& controls) {
    std::array<std::size_t, kControlCount> order{};
    for (std::size_t index = 0; index < kControlCount; ++index) order[index] = index;
    std::stable_sort(order.begin(), order.end(), [](std::size_t left, std::size_t right) {
        const int a = layout::kControls[left].tabOrder, b = layout::kControls[right].tabOrder;
        return a >= 0 && (b < 0 || a < b);
    });
    HWND previous = HWND_TOP;
    for (const std::size_t index : order) {
        ::SetWindowPos(controls[index], previous, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = controls[index];
    }
}

void WindowLayout::Apply(const ControlWindows& controls, UINT dpi) {
    const int scale = static_cast<int>(dpi);
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const layout::ControlRow& row = layout::kControls[index];
        ::SetWindowPos(controls[index], nullptr, layout::ToPixels(row.left, scale),
                       layout::ToPixels(row.top, scale), layout::ToPixels(row.width, scale),
                       layout::ToPixels(row.height, scale), SWP_NOZORDER | SWP_NOACTIVATE);
        LoadPicture(index, dpi);
        if (row.font.face == nullptr) continue;
        UniqueFont font = MakeFont(row.font, scale);
        ::SendMessageW(controls[index], WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
        fonts_[index] = std::move(font);  // the control no longer uses the old font
    }
}

void WindowLayout::LoadPicture(std::size_t index, UINT dpi) {
    const layout::ControlRow& row = layout::kControls[index];
    const int scale = static_cast<int>(dpi);
    if (row.picture.kind == layout::ImageKind::Icon)
        icons_[index] = UniqueIcon(static_cast<HICON>(::LoadImageW(
            instance_, MAKEINTRESOURCEW(row.picture.resource), IMAGE_ICON,
            layout::ToPixels(row.width, scale), layout::ToPixels(row.height, scale), 0)));
    if (row.picture.kind == layout::ImageKind::Bitmap && !bitmaps_[index])
        bitmaps_[index] = UniqueBitmap(
            static_cast<HBITMAP>(::LoadImageW(instance_, MAKEINTRESOURCEW(row.picture.resource),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void WindowLayout::PlaceCentred(HWND window, DWORD style, DWORD exStyle, UINT dpi) {
    const int scale = static_cast<int>(dpi);
    const SIZE size =
        WindowSizeForClient(layout::ToPixels(layout::kClientWidth, scale),
                            layout::ToPixels(layout::kClientHeight, scale), style, exStyle, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    ::SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - size.cx) / 2,
                   screen.top + (screen.bottom - screen.top - size.cy) / 2, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowLayout::DrawPicture(const DRAWITEMSTRUCT& item, HBRUSH background) const {
    ::FillRect(item.hDC, &item.rcItem, background);
    for (std::size_t index = 0; index < kControlCount; ++index) {
        if (layout::kControls[index].id != static_cast<int>(item.CtlID)) continue;
        if (icons_[index])
            ::DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icons_[index].Get(),
                         item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top,
                         0, nullptr, DI_NORMAL);
        if (bitmaps_[index]) DrawBitmap(item.hDC, bitmaps_[index].Get(), item.rcItem);
    }
}

// The bitmap at its own size, scaled by the window's DPI: it fills the control.
// At its own size (96 DPI) it is copied as it is, without the slower stretch.
void WindowLayout::DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& area) const {
    BITMAP size{};
    ::GetObjectW(bitmap, sizeof size, &size);
    const UniqueMemoryDc source(::CreateCompatibleDC(dc));
    const SelectionScope selection(source.Get(), bitmap);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width == size.bmWidth && height == size.bmHeight) {
        ::BitBlt(dc, area.left, area.top, width, height, source.Get(), 0, 0, SRCCOPY);
        return;
    }
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs the origin set after the mode
    ::StretchBlt(dc, area.left, area.top, width, height, source.Get(), 0, 0, size.bmWidth,
                 size.bmHeight, SRCCOPY);
}

}  // namespace win32
