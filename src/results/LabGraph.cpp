#include "results/LabGraph.h"

#include "platform/db/Connection.h"

#include <QPainter>
#include <QRegularExpression>

namespace LabGraph {

Series Read(Connection& c, const QString& idNum, const QString& labExamID)
{
    const Recordset rs = c.query(QStringLiteral("SELECT COALESCE(E.LabExam, R.LabExamID) AS Exam, R.Unit, R.NormalValue, R.ResultDate, "
                                                "R.Result FROM LABORATORY..tbLabResult R LEFT OUTER JOIN BUILD_FILE..tbCoLabExam E ON "
                                                "E.LabExamID = R.LabExamID WHERE R.IDNum = ? AND R.LabExamID = ? ORDER BY R.ResultDate, "
                                                "R.ResultID"),
                                 {idNum.trimmed(), labExamID.trimmed()});
    Series s;
    for (int r = 0; r < rs.recordCount(); ++r) {
        s.exam = rs.textAt(r, QStringLiteral("Exam"));
        s.unit = rs.textAt(r, QStringLiteral("Unit"));
        s.normalValues = rs.textAt(r, QStringLiteral("NormalValue")).trimmed();
        bool ok = false;
        const double v = rs.textAt(r, QStringLiteral("Result")).trimmed().toDouble(&ok);
        if (ok) s.points.append({DbValue::toDateTime(rs.valueAt(r, QStringLiteral("ResultDate"))), v});
    }
    return s;
}

bool NormalRange(const QString& normalValues, double* low, double* high)
{
    static const QRegularExpression rx(QStringLiteral("(-?\\d+(?:\\.\\d+)?)\\s*-\\s*(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch m = rx.match(normalValues);
    if (!m.hasMatch()) return false;
    *low = m.captured(1).toDouble();
    *high = m.captured(2).toDouble();
    return *low <= *high;
}

QImage Draw(const Series& s, const QSize& size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(70, 40, size.width() - 100, size.height() - 100);
    QFont title = p.font();
    title.setPointSize(11);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(0, 5, size.width(), 28), Qt::AlignCenter,
               s.exam + (s.unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(s.unit)));
    QFont small = p.font();
    small.setPointSize(8);
    small.setBold(false);
    p.setFont(small);

    double lo = 0, hi = 1, nLo = 0, nHi = 0;
    const bool hasRange = NormalRange(s.normalValues, &nLo, &nHi);
    if (!s.points.isEmpty()) {
        lo = hi = s.points.first().value;
        for (const Point& pt : s.points) lo = qMin(lo, pt.value), hi = qMax(hi, pt.value);
    }
    if (hasRange) lo = qMin(lo, nLo), hi = qMax(hi, nHi);
    const double pad = (hi - lo) * 0.1 + (hi == lo ? 1 : 0);
    lo -= pad;
    hi += pad;
    auto y = [&](double v) { return plot.bottom() - (v - lo) / (hi - lo) * plot.height(); };
    const int n = int(s.points.size());
    auto x = [&](int i) { return n <= 1 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1); };

    if (hasRange) {
        p.fillRect(QRectF(QPointF(plot.left(), y(nHi)), QPointF(plot.right(), y(nLo))), QColor(220, 240, 220));
        p.drawText(QPointF(plot.right() - 120, y(nHi) - 3), QStringLiteral("normal %1").arg(s.normalValues));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(plot);
    for (int t = 0; t <= 4; ++t) {
        const double v = lo + (hi - lo) * t / 4;
        p.drawLine(QPointF(plot.left() - 4, y(v)), QPointF(plot.left(), y(v)));
        p.drawText(QRectF(0, y(v) - 8, plot.left() - 8, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'g', 4));
    }
    if (n == 0) {
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("No numeric result to draw."));
        return img;
    }
    p.setPen(QPen(QColor(200, 40, 40), 2));
    for (int i = 1; i < n; ++i) p.drawLine(QPointF(x(i - 1), y(s.points[i - 1].value)), QPointF(x(i), y(s.points[i].value)));
    p.setBrush(QColor(200, 40, 40));
    for (int i = 0; i < n; ++i) {
        p.setPen(QPen(QColor(200, 40, 40), 1));
        p.drawEllipse(QPointF(x(i), y(s.points[i].value)), 4, 4);
        p.setPen(Qt::black);
        p.drawText(QPointF(x(i) - 12, y(s.points[i].value) - 8), QString::number(s.points[i].value, 'g', 6));
        p.drawText(QRectF(x(i) - 45, plot.bottom() + 4, 90, 30), Qt::AlignHCenter | Qt::AlignTop,
                   s.points[i].when.toString(QStringLiteral("MM/dd/yy\nhh:mm AP")));
    }
    return img;
}

}
