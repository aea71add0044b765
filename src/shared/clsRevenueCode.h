#pragma once
#include <QString>
#include <QVariantList>

// Checks of a code typed into an entry grid: a package code, a charging revenue code and a nurse
// package code. A code that is not found is refused with a message and answered with ""; an empty
// code opens the code picker on the whole list. The code is used exactly as passed. Database errors
// reach the caller.
class clsRevenueCode {
public:
    // The hospital number of the patient the codes are entered for, shown on the picker.
    QString HospNum;

    QString ValidatePackageCode(const QString& code);
    QString ValidateRevenue(const QString& code);
    QString ValidateNursePackageCode(const QString& code);

private:
    QString validate(const QString& statement, const QVariantList& params, const QString& code,
                     const QString& notFound, const QString& caption);
};
