// Reading the test double's transcript.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "support/platform.h"

// The texts of the message boxes shown, in order.
inline std::vector<std::wstring> MessagesOf(const fake::FakePlatform& platform) {
    const std::wstring prefix = L"message ";
    std::vector<std::wstring> messages;
    for (const auto& entry : platform.transcript)
        if (entry.rfind(prefix, 0) == 0) messages.push_back(entry.substr(prefix.size()));
    return messages;
}

inline int CountOf(const fake::FakePlatform& platform, const std::wstring& entry) {
    return static_cast<int>(
        std::count(platform.transcript.begin(), platform.transcript.end(), entry));
}
