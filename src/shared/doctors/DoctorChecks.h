#pragma once
#include <QString>

class Connection;

// True when the doctor has an S2 licence on file. After an error (logged, shown): False, so that
// a regulated drug is not charged on the doctor's name.
bool DoctorHasS2License(Connection& c, const QString& doctorID);
// True when the item's classification is the station's regulated-drugs class. After an error
// (logged, shown): True, so that the licence check still applies.
bool IsRegulatedDrug(Connection& c, const QString& itemID);
