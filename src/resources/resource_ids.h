// Resource identifiers shared by the resource script and the program.
#pragma once

// The mailbox icon has the lowest identifier, so it is also the program's icon.
#define IDI_MAILBOX 100
#define IDI_ARROW 101
#define IDB_BANNER 102
