// The window's own messages to the user.
#pragma once

namespace message {

inline constexpr const wchar_t* kInstalledAutomatically = L"Datenbank wurde installiert";
inline constexpr const wchar_t* kInstalledOnRequest = L"Datenbank ist installiert";
inline constexpr const wchar_t* kNotInstalled =
    L"Datenbank konnte NICHT installiert werden. Das Installationsverzeichnis muss leer sein!";

}  // namespace message
