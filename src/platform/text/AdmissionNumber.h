#pragma once
#include <QString>

// An admission number whose last character, blanks aside, is "B" is an out-patient visit; any
// other is an in-patient admission. Numbers reach us padded from fixed-width columns and boxes,
// so the blanks never decide.
inline bool IsOutPatientNumber(const QString& idNum)
{
    return idNum.trimmed().endsWith(QLatin1Char('B'));
}

// The patient type the admission number stands for: "O" for an out-patient visit, else "I".
inline QString PatientTypeOfNumber(const QString& idNum)
{
    return IsOutPatientNumber(idNum) ? QStringLiteral("O") : QStringLiteral("I");
}
