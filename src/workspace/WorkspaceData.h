#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Connection;
class Recordset;

// Database work of the procedures workspace, as plain functions over the run's connection.
namespace WorkspaceData {

// The Philhealth value of the master record, "0" when it is null; found false without a row.
struct Philhealth {
    bool found = false;
    QString value;
};
Philhealth MasterPhilhealth(Connection& c, const QString& hospNum);

// Departments an entry window may charge or assess: (RevenueID, ItemName) in the order returned.
QList<QPair<QString, QString>> DepartmentRows(Connection& c, const QString& procedure, const QVariantList& args);

// The reports of the nurse report catalogue: (report type, report name), by name.
QList<QPair<QString, QString>> NurseReportList(Connection& c);

// What the clinical summary page shows of a patient (values of the master record, empty when not
// on file): the complete address, birth place, nationality, religion, civil status, spouse, parents.
struct PersonalInfo {
    QString address, birthPlace, nationality, religion, civilStatus, spouse, father, mother;
};
PersonalInfo ReadPersonalInfo(Connection& c, const QString& hospNum);

// The hospital number of an in-patient admission, as the admission record gives it (empty: no row).
QString HospNumOfAdmission(Connection& c, const QString& idNum);

// The census and the discharges of a day have their data prepared on the server before their
// reports are shown.
void PrepareCensusByStation(Connection& c, const QDate& day, const QString& stationID);
void PrepareDischargeList(Connection& c, const QString& stationID, const QDate& day);

// The operating rooms of the schedule, in the order listed.
QStringList OperatingRooms(Connection& c);
// How the schedule divides a day; found false without a settings row.
struct ScheduleLayout {
    bool found = false;
    QDateTime start;
    int dayLength = 0, increment = 0;
};
ScheduleLayout ReadScheduleLayout(Connection& c);
// The bookings of the operating rooms on a day: RoomName, StartTime, Length, Description, CategoryName.
Recordset ScheduleOfDay(Connection& c, const QDate& day);

} // namespace WorkspaceData
