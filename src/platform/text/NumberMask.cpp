#include "platform/text/NumberMask.h"

namespace {
bool isPlaceholder(QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); }
}

QString FormatWithNumberMask(qint64 value, const QString& mask)
{
    int first = -1;
    for (int i = 0; i < mask.size() && first < 0; ++i)
        if (isPlaceholder(mask[i])) first = i;
    // A mask without placeholders would give every number the same text.
    if (first < 0) return QString::number(value);
    const QString digits = QString::number(value < 0 ? -value : value);
    int left = int(digits.size()); // digits not placed yet, taken from the right
    QString out;
    for (int i = int(mask.size()) - 1; i >= 0; --i) {
        const QChar m = mask[i];
        if (!isPlaceholder(m)) {
            out.prepend(m);
        } else if (i == first && left > 0) {
            out.prepend(digits.left(left));
            left = 0;
        } else if (left > 0) {
            out.prepend(digits[--left]);
        } else if (m == QLatin1Char('0')) {
            out.prepend(QLatin1Char('0'));
        }
    }
    return value < 0 ? QStringLiteral("-") + out : out;
}
