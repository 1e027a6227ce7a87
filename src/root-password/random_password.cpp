#include "random_password.h"

#include <windows.h>

#include <bcrypt.h>

namespace root_password {

std::string NewPassword() {
    unsigned char bytes[16];
    if (!BCRYPT_SUCCESS(
            ::BCryptGenRandom(nullptr, bytes, sizeof bytes, BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return {};
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0f];
    }
    ::SecureZeroMemory(bytes, sizeof bytes);
    return text;
}

}  // namespace root_password
