#pragma once
#include "platform/db/Recordset.h"

class Connection;

#include <QList>
#include <QString>

// The control panel's package code links (STATION..tbCLPackage_CodeLink) and its settings log.
// Errors reach the caller as DbError.
struct PackageLink {
    QString code;      // admission package code
    QString nurseCode; // the department's procedure item
    QString status;    // "A" or "I"
};

// Every link with its package's name: Code, NurseCode, Package, Status.
Recordset LoadPackageLinkRows(Connection& c);
// The name of an admission package ("" when there is none).
QString AdmissionPackageName(Connection& c, const QString& packageCode);
// Rewrites the whole link table from the lines and writes the station-log line
// "Update Station Settings" (ID "System") for the validated user, all in one transaction.
void SavePackageLinks(Connection& c, const QList<PackageLink>& links, const QString& userID, const QString& stationID);
