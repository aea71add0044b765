#pragma once
// The charge slip of late charges: printed after a save's commit and reprinted from the posted
// list, on the pre-printed form or on blank paper as the user answers.
#include <QString>
#include <QVariantList>

class Connection;

// What the slip says of the patient: the receivable update's own header and receivable values.
struct ReceivableSlipHeader {
    QString patientName, hospNum, age, sex, room, idNum, doctor;
    QString membership, company, admType;
};

// The sixteen values of the slip: signed by the user named (with the user's code in position 13).
QVariantList ReceivableSlipValues(const ReceivableSlipHeader& h, const QString& slip, const QString& postedAt,
                                  const QString& userCode, const QString& userName, const QString& copyMark);

// After a save's commit, where the hospital prints slips: asks for the form and shows the slip
// ("ORIGINAL COPY", signed by the validated user). Errors reach the caller.
void PrintReceivableSlip(const ReceivableSlipHeader& h, const QString& slip, const QString& postedAt, const QString& userCode,
                         const QString& userName);

// A posted slip once more, where the hospital prints slips: its lines made afresh from what was
// posted under it, the form asked for, dated as posted and signed by the user logged in
// ("REPRINTED COPY"). A blank slip does nothing. Errors reach the caller.
void ReprintReceivableSlip(Connection& c, const ReceivableSlipHeader& h, const QString& slip, const QString& postedAt);
