#include "output.h"

#include <windows.h>

#include <cwchar>

namespace uia {
namespace {

void WriteUtf8(DWORD which, const std::wstring& text) {
    const int wide = static_cast<int>(text.size());
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                nullptr);
}

}  // namespace

std::wstring Escape(const std::wstring& text) {
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
            case L'\\':
                escaped += L"\\\\";
                break;
            case L'\t':
                escaped += L"\\t";
                break;
            case L'\r':
                escaped += L"\\r";
                break;
            case L'\n':
                escaped += L"\\n";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

void Out(const std::wstring& line) { WriteUtf8(STD_OUTPUT_HANDLE, line + L"\n"); }

void Field(const wchar_t* key, const std::wstring& value) {
    Out(std::wstring(key) + L"=" + Escape(value));
}

void Field(const wchar_t* key, long long value) { Field(key, std::to_wstring(value)); }

int Fail(const std::wstring& message) {
    WriteUtf8(STD_ERROR_HANDLE, L"uia: " + message + L"\n");
    return kFailed;
}

int UsageError(const std::wstring& message) {
    Fail(message);
    return kUsage;
}

std::wstring Hex(unsigned long long value) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"0x%llx", value);
    return buffer;
}

}  // namespace uia
