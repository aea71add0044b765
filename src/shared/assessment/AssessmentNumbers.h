#pragma once
// The numbers of the assessments: an assessment number ("CL" and the station's assessment counter,
// laid into the station's number mask) and a cash credit memo advice number ("OR" and the billing
// counter). Both are taken inside the caller's transaction, atomically: two workstations never get
// the same number, and a rollback gives the number back.
#include "platform/db/DbError.h"

#include <QString>

class Connection;

// The station has no counter row: the save is refused with this text and nothing is posted.
class MissingAssessmentCounter : public DbError {
public:
    explicit MissingAssessmentCounter(const QString& text) : DbError(text) {}
};

// "CL" and the counter value, laid into the mask when one is set (1523 and "000000": CL001523).
QString AssessmentNumberText(qint64 counter, const QString& mask);

// Takes the station's next assessment number from its counter row (STATION..tbCLChargeSlip,
// AssessNum); a number some assessment line already carries is passed over, and print lines left
// under the number are dropped. MissingAssessmentCounter when the station has no counter row.
QString TakeAssessmentNumber(Connection& c, const QString& stationID, const QString& mask);

// Takes the next cash credit memo advice number ("OR" and BILLING..tbAssessmentNum's CMAdvisenum,
// the value before the increment). MissingAssessmentCounter when the counter table has no row, a
// DbError when it has more than one.
QString TakeCashCMAdviceNumber(Connection& c);
