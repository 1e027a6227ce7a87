// Child-window identifiers of the installer window's controls. They are not
// IDOK or IDCANCEL, so Enter and Esc trigger neither button.
#pragma once

#define ID_CMD_INSTALL 101
#define ID_CMD_ABBRUCH 102
#define ID_LABEL3 103
#define ID_IMAGE2 104
#define ID_LABEL4 105
#define ID_IMAGE1 106
#define ID_LABEL1 107
