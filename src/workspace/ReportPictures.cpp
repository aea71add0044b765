#include "workspace/ReportPictures.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The ten pictures of the list, in their order: "Census", "Diet", "Home", "Run", "Cash",
// "Document", "Medicine", "Orders", "Supplies", "Notice", each a tile of its own colour and letter.
QPixmap picture(int number)
{
    static const struct { char letter; QRgb colour; } tiles[10] = {
        {'C', 0x2E7D32}, {'D', 0xEF6C00}, {'H', 0x1565C0}, {'R', 0x6A1B9A}, {'$', 0x00838F},
        {'F', 0x5D4037}, {'M', 0xC62828}, {'O', 0x283593}, {'S', 0x558B2F}, {'!', 0xF9A825}};
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(tiles[number - 1].colour));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, QString(QLatin1Char(tiles[number - 1].letter)));
    return pm;
}

// The second picture drawn over the first, smaller, in its lower right corner.
QPixmap overlay(int first, int second)
{
    QPixmap pm = picture(first);
    QPainter p(&pm);
    p.drawPixmap(QRect(7, 7, 9, 9), picture(second));
    return pm;
}

} // namespace

QIcon ReportListPicture(int row)
{
    if (row == 1 || row == 2 || row == 5) return QIcon(picture(row));
    if (row == 3) return QIcon(overlay(3, 4));
    if (row == 4) return QIcon(overlay(6, 5));
    if (row >= 6 && row <= 9) return QIcon(picture(row + 1));
    return QIcon();
}
