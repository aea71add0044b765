#pragma once
#include <QChar>

// Windows-1252, the code page of the hospital's stored texts: codes 128..159 differ from Latin-1
// (the five codes the page leaves undefined map to the control characters of the same number).
namespace Cp1252 {
inline constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline QChar toChar(int code)
{
    if (code >= 128 && code < 160) return QChar(kHigh[code - 128]);
    return QChar(char16_t(code & 0xFF));
}
}
