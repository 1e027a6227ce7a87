// The installer window's layout. Positions and sizes are in twips from the
// client area's top left (1440 twips per inch: 15 per pixel at 96 DPI).
#pragma once

#include <string_view>

#include "platform/user_interface.h"
#include "resources/resource_ids.h"
#include "window/control_ids.h"

namespace layout {

enum class Kind { PushButton, Label, Picture };

struct Font {
    const wchar_t* face;
    int hundredthsOfPoint;
    bool bold;
};

inline constexpr Font kDefaultFont{L"MS Sans Serif", 825, false};
inline constexpr Font kNoFont{nullptr, 0, false};

// The image a picture control shows: an icon, drawn at the control's size, or a
// bitmap, drawn at its own size scaled by the DPI.
enum class ImageKind { None, Icon, Bitmap };
struct Picture {
    ImageKind kind;
    int resource;
};
inline constexpr Picture kNoPicture{ImageKind::None, 0};

struct ControlRow {
    platform::Control name;
    int id;
    Kind kind;
    const wchar_t* text;
    int left, top, width, height;
    bool visibleAtStart;
    int tabOrder;  // -1: takes no part in the tab order
    Font font;
    Picture picture;
};

inline constexpr const wchar_t* kTitle = L"MariaDB-Installer";
inline constexpr int kClientWidth = 9465;
inline constexpr int kClientHeight = 4140;
inline constexpr unsigned char kBackground[3] = {224, 224, 224};

using platform::Control;

// In creation order.
inline constexpr ControlRow kControls[] = {
    // name, id, kind, text at start, left, top, width, height, visible, tab order, font, picture
    {Control::cmd_install, ID_CMD_INSTALL, Kind::PushButton,
     L"MariaDB jetzt trotzdem  installieren", 3360, 3360, 3015, 615, true, 3, kDefaultFont,
     kNoPicture},
    {Control::cmd_Abbruch, ID_CMD_ABBRUCH, Kind::PushButton, L"Schließen", 7800, 3360, 1575, 615,
     true, 1, kDefaultFont, kNoPicture},
    {Control::Label3,
     ID_LABEL3,
     Kind::Label,
     L"bitte warten ...",
     2760,
     2640,
     3015,
     375,
     false,
     4,
     {L"MS Sans Serif", 1725, true},
     kNoPicture},
    {Control::Image2,
     ID_IMAGE2,
     Kind::Picture,
     nullptr,
     1920,
     720,
     480,
     480,
     true,
     -1,
     kNoFont,
     {ImageKind::Icon, IDI_ARROW}},
    {Control::Label4,
     ID_LABEL4,
     Kind::Label,
     L"MySQL ist schon installiert, und der Dienst läuft",
     2520,
     840,
     6735,
     1695,
     true,
     2,
     {L"MS Sans Serif", 975, true},
     kNoPicture},
    {Control::Image1,
     ID_IMAGE1,
     Kind::Picture,
     nullptr,
     0,
     0,
     1590,
     4155,
     true,
     -1,
     kNoFont,
     {ImageKind::Bitmap, IDB_BANNER}},
    {Control::Label1,
     ID_LABEL1,
     Kind::Label,
     L"Prüfen, ob MySQL oder MariaDB schon installiert ist ...",
     1920,
     240,
     6255,
     375,
     true,
     0,
     {L"MS Sans Serif", 825, true},
     kNoPicture},
};

// Twips to pixels at the given dots per inch, rounded to the nearest pixel.
constexpr int ToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

// "MS Sans Serif" is a bitmap face with a few fixed sizes: at any other DPI than
// 96 its scalable twin "Microsoft Sans Serif" keeps the labels smooth and sized.
constexpr const wchar_t* FaceAt(const wchar_t* face, int dpi) {
    if (dpi == 96 || face == nullptr || std::wstring_view(face) != L"MS Sans Serif") return face;
    return L"Microsoft Sans Serif";
}

// Points in hundredths to a font height in pixels, rounded to the nearest pixel.
constexpr int FontPixels(int hundredthsOfPoint, int dpi) {
    return (hundredthsOfPoint * dpi + 3600) / 7200;
}

}  // namespace layout
