#pragma once

class Connection;
// Look-ups of one patient or admission for the entry windows: room class, out-patient rate type
// and rate class, package and its price, hospital and case numbers, precautions, account flags,
// confinement and open department cases. Each call goes to the database; nothing is kept.
// Errors reach the caller (the window shows the common error notice).
#include <QString>

QString GetRoomClassification(Connection& c, const QString& roomID);
QString GetOPDRateType(Connection& c, const QString& idNum);
// The rate class letter of an admission: "A", "F" for special-rate admissions, else the room's
// class.
QString GetRateClass(Connection& c, const QString& idNum, const QString& patientType, const QString& roomID);
// The package's price for rate class A to E as text with a sign position; "" for other classes.
QString GetPackageRate(Connection& c, const QString& packageID, const QString& rateClass);
QString GetHospNum(Connection& c, const QString& idNum);
// The department case number of the admission, " A U T O " when it has none.
QString GetCathLabNum(Connection& c, const QString& idNum);
QString GetPrecautions(Connection& c, const QString& idNum);
QString GetPatientPackage(Connection& c, const QString& idNum, const QString& patientType);
// True when the account is under cash basis for the department (OkeyCL not set).
bool GetOkeyCL(Connection& c, const QString& idNum);
bool GetPatientsMedFlag(Connection& c, const QString& idNum);
bool IsSeniorCitizen(Connection& c, const QString& idNum);
// True when the patient is confined now (the window tells the user; after an error it refuses too).
bool IsCurrentlyConfined(Connection& c, const QString& hospNum);
// True when one of the patient's open department cases belongs to an admission not yet discharged
// (after an error the window refuses its action).
bool HasOpenCathCase(Connection& c, const QString& hospNum);
bool IsDischarged(Connection& c, const QString& idNum);
