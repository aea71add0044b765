#pragma once
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class Connection;
class FlexGrid;

// The laboratory results of an admission as a table: a row per section, under it a row per
// examination with its normal values, and a column per calendar day from the first result's day;
// results of one examination on one day share a cell ("7.2, 7.5"). Days without a result are
// hidden; the last, hidden column holds the examination code.
class clsLabTabularFormat : public QObject {
    Q_OBJECT
public:
    QString LabExamID; // kept for callers; the table does not use it
    QString AdmissionNumber;

    // Fills the grid; database errors reach the caller with the grid as far as it was filled.
    void Load_Results(FlexGrid* grid);
    void Load_Results(FlexGrid* grid, Connection& c);

    // The calendar day of each day column (grid column 2 onwards), as the last load laid them out.
    const QList<QDate>& DayColumns() const { return m_days; }

private:
    QList<QDate> m_days;
};
