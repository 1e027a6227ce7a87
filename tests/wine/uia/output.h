// Line output for the shell: UTF-8 on stdout, one fact per line, and messages on stderr.
#pragma once

#include <string>

namespace uia {

// Exit codes of the tool.
enum Exit : int { kOk = 0, kFailed = 1, kUsage = 2 };

// Backslash, tab, carriage return and line feed as \\ \t \r \n, so every value fits one line.
std::wstring Escape(const std::wstring& text);

void Out(const std::wstring& line);
void Field(const wchar_t* key, const std::wstring& value);
void Field(const wchar_t* key, long long value);
// Writes the message to stderr and returns kFailed, for `return Fail(...)`.
int Fail(const std::wstring& message);
int UsageError(const std::wstring& message);

std::wstring Hex(unsigned long long value);

}  // namespace uia
