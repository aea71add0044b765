#include "platform/ui/Fonts.h"

#include <QFont>

QFont FixedPitchListFont(double points)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}
