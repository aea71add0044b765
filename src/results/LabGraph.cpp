#include "results/LabGraph.h"

#include "platform/db/Connection.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QRegularExpression>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

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

std::unique_ptr<QChart> Chart(const Series& s)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(s.exam + (s.unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(s.unit)));
    QFont title = chart->titleFont();
    title.setPointSize(11);
    title.setBold(true);
    chart->setTitleFont(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);

    // The time span shown: the results' own, or a day around a single result or none.
    QDateTime first = s.points.isEmpty() ? QDateTime(QDate::currentDate(), QTime(0, 0)) : s.points.first().when;
    QDateTime last = s.points.isEmpty() ? first : s.points.last().when;
    if (first == last) first = first.addSecs(-12 * 3600), last = last.addSecs(12 * 3600);
    // a margin, so that the first and last results stand clear of the frame
    const qint64 margin = qMax<qint64>(first.secsTo(last) / 20, 3600);
    first = first.addSecs(-margin);
    last = last.addSecs(margin);

    double lo = 0, hi = 1, nLo = 0, nHi = 0;
    const bool hasRange = NormalRange(s.normalValues, &nLo, &nHi);
    if (!s.points.isEmpty()) {
        lo = hi = s.points.first().value;
        for (const Point& pt : s.points) lo = qMin(lo, pt.value), hi = qMax(hi, pt.value);
    }
    if (hasRange) lo = qMin(lo, nLo), hi = qMax(hi, nHi);
    const double pad = (hi - lo) * 0.1 + (hi == lo ? 1 : 0);

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("MM/dd/yy hh:mm AP"));
    dates->setTitleText(QStringLiteral("Result Date/Time"));
    dates->setRange(first, last);
    dates->setTickCount(qBound(2, int(s.points.size()), 8));
    auto* values = new QValueAxis;
    values->setRange(lo - pad, hi + pad);
    values->applyNiceNumbers();
    values->setLabelFormat(QStringLiteral("%.4g"));
    values->setTitleText(s.unit);
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);

    if (hasRange) {
        auto* upper = new QLineSeries;
        auto* lower = new QLineSeries;
        for (const QDateTime& when : {first, last}) {
            upper->append(double(when.toMSecsSinceEpoch()), nHi);
            lower->append(double(when.toMSecsSinceEpoch()), nLo);
        }
        auto* band = new QAreaSeries(upper, lower);
        upper->setParent(band);
        lower->setParent(band);
        band->setName(QStringLiteral("Normal %1").arg(s.normalValues));
        band->setColor(QColor(220, 240, 220));
        band->setBorderColor(QColor(150, 200, 150));
        chart->addSeries(band);
        band->attachAxis(dates);
        band->attachAxis(values);
    }
    auto* results = new QLineSeries;
    results->setName(s.points.isEmpty() ? QStringLiteral("No numeric result to draw.") : QStringLiteral("Result"));
    results->setPen(QPen(QColor(200, 40, 40), 2));
    results->setPointsVisible(true);
    results->setPointLabelsVisible(true);
    results->setPointLabelsFormat(QStringLiteral("@yPoint"));
    results->setPointLabelsClipping(false);
    for (const Point& pt : s.points) results->append(double(pt.when.toMSecsSinceEpoch()), pt.value);
    chart->addSeries(results);
    results->attachAxis(dates);
    results->attachAxis(values);

    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QImage Draw(const Series& s, const QSize& size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    std::unique_ptr<QChart> chart = Chart(s);
    QGraphicsScene scene;
    chart->resize(size);
    scene.addItem(chart.get());
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    scene.render(&p, QRectF(QPointF(0, 0), QSizeF(size)), scene.sceneRect());
    p.end();
    scene.removeItem(chart.get());
    return img;
}

}
