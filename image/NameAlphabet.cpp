#include "image/NameAlphabet.h"

#include "image/ImageMap.h"

char32_t NameCodeToChar(std::uint8_t code) {
    if (code <= 9) {
        return U'0' + code;
    }
    if (code <= 35) {
        return U'A' + (code - 10);
    }
    if (code == 36) {
        return U'-';
    }
    if (code == 37) {
        return U' ';
    }
    return U'\0';
}

std::uint8_t NameCharToCode(char32_t ch) {
    if (ch >= U'0' && ch <= U'9') {
        return static_cast<std::uint8_t>(ch - U'0');
    }
    if (ch >= U'A' && ch <= U'Z') {
        return static_cast<std::uint8_t>(10 + (ch - U'A'));
    }
    if (ch == U'-') {
        return 36;
    }
    if (ch == U' ') {
        return 37;
    }
    return ImageMap::NameEnd;
}
