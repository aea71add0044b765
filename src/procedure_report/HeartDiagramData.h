#pragma once
#include <QByteArray>
#include <QString>

class Connection;

// The stored heart diagrams (one picture per admission and request) and what their print needs.
// Errors reach the caller as DbError.
namespace HeartDiagramData {
struct PatientName {
    QString last, first, middle;
};
PatientName LoadPatientName(Connection& c, const QString& hospNum);
// The stored picture's bytes; empty when there is none.
QByteArray LoadDiagram(Connection& c, const QString& idNum, const QString& requestNo);
// Writes the picture (BMP bytes) of the admission and request: the row is updated when there is
// one, else added, in one transaction; its type, name and size describe the bytes; the date is the
// server's.
void SaveDiagram(Connection& c, const QString& idNum, const QString& requestNo, const QString& userID, const QByteArray& bmp);
void DeleteDiagram(Connection& c, const QString& idNum, const QString& requestNo);
// The stay's first attending doctor (the visit's doctor for an out-patient), as printed.
QString LoadAttendingDoctor(Connection& c, const QString& idNum);
// The department's case number of the admission; "" when none.
QString LoadCathLabNumber(Connection& c, const QString& idNum);
}
