#pragma once
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>
#include <memory>

class Connection;
class QChart;

// The graph of one examination's results over the stay, for the graph report: values by date and
// time, the normal range shaded when the normal values read as "low - high".
namespace LabGraph {
struct Point {
    QDateTime when;
    double value = 0;
};
struct Series {
    QString exam, unit, normalValues;
    QList<Point> points; // results that are not numbers are left out
};
Series Read(Connection& c, const QString& idNum, const QString& labExamID);
// The chart of the series: the results as a line over dates, the normal range as a band, both in
// the legend, a date axis and a value axis.
std::unique_ptr<QChart> Chart(const Series& series);
// The chart drawn into a picture of the given size, for the report.
QImage Draw(const Series& series, const QSize& size = QSize(900, 420));
// "3.5 - 5.1", "3.5-5.1 mmol/L": the range; false when the text holds no range.
bool NormalRange(const QString& normalValues, double* low, double* high);
}
