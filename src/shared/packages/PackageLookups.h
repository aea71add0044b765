#pragma once

class Connection;
// Look-ups of packages and of the rates of the department's own services, for the charging
// entry, the request processing and the patient lists. All run on the connection they are given and
// write nothing; a failure reaches the caller as DbError (the window shows the notice).
#include <QString>

// Name of a package: a service of the section, or, while old package charging is on, an
// admission package whatever the section.
QString GetPackageName(Connection& c, const QString& packageID, const QString& sectionID);
// The nurse item code the package is linked to (the first link, whatever its status).
QString GetNurseItemCode(Connection& c, const QString& packageCode);
// The package an active link ties to the nurse item; "" for none.
QString GetLinkedPackageCode(Connection& c, const QString& nurseItemCode);
// The same for other (consigned) packages.
QString GetOtherLinkedPackageCode(Connection& c, const QString& nurseItemCode);
// Whether the package was already charged to the admission under the section: a package that could
// not be checked is never charged again as if it were new.
bool IsPackageAlreadyCharged(Connection& c, const QString& packageCode, const QString& idNum, const QString& revenueID);
// Whether the package is an equipment package.
bool IsEquipmentPackage(Connection& c, const QString& packageCode);
// The package a charged line's item stands for: a package of the department's own, else a
// consigned package (both are billed under the department's own code); "" for none.
QString GetChargedPackageCode(Connection& c, const QString& nurseItemCode);

// Regular, overtime and on-call rates of a service of the department's own section
// (MainRevenueID), and overtime and on-call rates of a service of a given section. 0 without a row.
double GetOtherRevenueRate(Connection& c, const QString& otherRevenueID);
double GetCathOverTimeRate(Connection& c, const QString& otherRevenueID);
double GetCathOnCallRate(Connection& c, const QString& otherRevenueID);
double GetCathOverTimeRateFor(Connection& c, const QString& otherRevenueID, const QString& sectionID);
double GetCathOnCallRateFor(Connection& c, const QString& otherRevenueID, const QString& sectionID);
