#include "platform/text/Encryption.h"

#include <QHash>

namespace {
// Windows-1252 codes 128..159 that differ from Latin-1.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int toCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128 || (u >= 160 && u <= 255)) return u;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u) return 128 + i;
    return '?'; // not in the code page: the workstation would have sent a question mark
}

QChar fromCode(int code)
{
    if (code >= 128 && code < 160) return QChar(kCp1252High[code - 128]);
    return QChar(char16_t(code & 0xFF));
}

QString hexPair(int v)
{
    return QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char(' '));
}
}

QString EncryptDecrypt(const QString& mode, const QString& key, const QString& text)
{
    const int K = key.size();
    if (mode == QLatin1String("E")) {
        int prev = 91;
        QString result = QStringLiteral("5B");
        int p = 0;
        for (QChar c : text) {
            int v = (toCode(c) + prev) % 255;
            p = p < K ? p + 1 : 1;
            if (K > 0) v ^= toCode(key[p - 1]);
            result += hexPair(v);
            prev = v;
        }
        return result;
    }
    if (mode == QLatin1String("D")) {
        bool ok = false;
        int prev = text.left(2).trimmed().toInt(&ok, 16);
        if (!ok) prev = 0;
        QString result;
        int p = 0;
        for (int i = 2; i < text.size(); i += 2) {
            const int v = text.mid(i, 2).trimmed().toInt(&ok, 16);
            p = p < K ? p + 1 : 1;
            int x = K > 0 ? (v ^ toCode(key[p - 1])) : v;
            if (x <= prev) x = x + 255 - prev;
            else x = x - prev;
            result += fromCode(x);
            prev = v;
        }
        return result;
    }
    return QString();
}
