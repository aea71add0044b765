#include "platform/db/LikePattern.h"

namespace Like {

QString literal(const QString& typed)
{
    QString out;
    out.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_')) out += QLatin1Char('!');
        out += c;
    }
    return out;
}

QString startsWith(const QString& typed) { return literal(typed) + QLatin1Char('%'); }

QString contains(const QString& typed) { return QLatin1Char('%') + literal(typed) + QLatin1Char('%'); }

}
