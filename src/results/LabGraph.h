#pragma once
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>

class Connection;

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
QImage Draw(const Series& series, const QSize& size = QSize(900, 420));
// "3.5 - 5.1", "3.5-5.1 mmol/L": the range; false when the text holds no range.
bool NormalRange(const QString& normalValues, double* low, double* high);
}
