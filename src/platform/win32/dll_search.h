// Where the program loads DLLs from.
#pragma once

namespace win32 {

// Limits DLL loading to System32, so no DLL is taken from the program's folder.
void RestrictDllSearchToSystem32();

}  // namespace win32
