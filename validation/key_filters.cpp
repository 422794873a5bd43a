#include "validation/key_filters.h"

namespace lw {
namespace {

constexpr char32_t kBackspaceCode = 8;
constexpr char32_t kTabCode = 9;
constexpr char32_t kEnterCode = 13;

bool isEditingKey(char32_t c) {
    return c == kBackspaceCode || c == kTabCode || c == kEnterCode;
}
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool isAsciiLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

} // namespace

bool ZiffernTaste(char32_t code) {
    return isDigit(code) || isEditingKey(code);
}

bool DezimalTaste(char32_t code) {
    return isDigit(code) || code == U'.' || code == U',' || isEditingKey(code);
}

bool AlphanumTaste(char32_t code) {
    return isAsciiLetter(code) || isDigit(code) || isEditingKey(code);
}

bool BuchstabenTaste(char32_t code) {
    return isAsciiLetter(code) || isEditingKey(code);
}

char32_t upperCaseKey(char32_t code) {
    // Lower and upper case lie 0x20 apart in ASCII and in Latin-1.
    constexpr char32_t kCaseDistance = 0x20;
    constexpr char32_t kDivisionSign = 0xF7;
    if (code >= U'a' && code <= U'z')
        return code - kCaseDistance;
    if (code >= 0xE0 && code <= 0xFE && code != kDivisionSign)
        return code - kCaseDistance;
    return code;
}

} // namespace lw
