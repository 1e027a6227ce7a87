#include "services/name_field.h"

#include <cstring>

std::size_t CopyIntoNameField(char (&field)[kNameFieldLength], const char* name) {
    std::size_t length = 0;
    while (length < kNameFieldLength && name[length] != '\0') ++length;
    std::memcpy(field, name, length);
    if (length < kNameFieldLength) field[length] = '\0';
    return length;
}
