#pragma once
// A doctor's professional fees: the rate of a rate class and the named items of the doctor's own fee
// table. These let a failure reach the caller: a fee that could not be read is never charged as 0
// or taken from the wrong source.
#include <QList>
#include <QString>

class Connection;

// The fee items that count: active (status 1) with an amount above 0.
struct DoctorFeeItem {
    QString Description;
    double Amount = 0;
};

// True when the doctor has at least one fee item that counts.
bool DoctorHasFeeItems(Connection& c, const QString& doctorID);
// The doctor's fee items that count, in the order of their descriptions.
QList<DoctorFeeItem> DoctorFeeItems(Connection& c, const QString& doctorID);
// The doctor's fee for a rate class; 0 when the doctor has no rate for it.
double DoctorRateForClass(Connection& c, const QString& doctorID, const QString& rateClass);
