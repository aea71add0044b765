#include "platform/text/Encryption.h"

#include "platform/text/Cp1252.h"

#include <QHash>

namespace {

int toCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128 || (u >= 160 && u <= 255)) return u;
    for (int i = 0; i < 32; ++i)
        if (Cp1252::kHigh[i] == u) return 128 + i;
    return '?'; // not in the code page: the workstation would have sent a question mark
}

QChar fromCode(int code)
{
    return Cp1252::toChar(code);
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
