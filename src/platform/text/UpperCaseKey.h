#pragma once
#include <QChar>

// The code of a typed character's upper-case form, accented letters included ("ú" gives "Ú",
// "ñ" gives "Ñ"). A one-byte code whose capital lies outside one byte ("ÿ", "µ") is kept, as
// every other character is.
inline int UpperCaseKeyCode(int keyCode)
{
    if (keyCode <= 0 || keyCode > 0xFFFF) return keyCode;
    const int upper = QChar(char16_t(keyCode)).toUpper().unicode();
    return upper > 0xFF && keyCode <= 0xFF ? keyCode : upper;
}
