#pragma once
// The charge slip: the report "Charge_Slip_BlankForm.RPT" over the slip's own lines of
// STATION..tbCLChargePrint, printed after a save's commit and reprinted from the posted list.
#include <QDateTime>
#include <QString>
#include <QVariantList>

class Connection;

// What the slip says of the patient: the charging window's own header.
struct ChargeSlipHeader {
    QString patientName, hospNum, ageSex, company, room, idNum, doctor;
};

// The sixteen values of the slip report, in the order of its parameter fields.
QVariantList ChargeSlipValues(const ChargeSlipHeader& h, const QString& slip, const QString& postedAt, const QString& userName,
                              const QString& copyMark);

// The slip of a save, after its commit: its lines made afresh from the postings when the station
// shows packages only, then, where the hospital prints slips, the slip in the modal viewer.
// Errors reach the caller.
void PrintChargeSlip(Connection& c, const ChargeSlipHeader& h, const QString& slip, const QDateTime& postedAt,
                     const QString& userName);

// A posted slip once more ("REPRINTED COPY") in the general viewer: its lines made afresh from what
// was posted under it, dated as posted and signed by the user who posted it. Errors reach the caller.
void ReprintChargeSlip(Connection& c, const ChargeSlipHeader& h, const QString& slip, const QString& postedAt);

// The user a slip's postings were made by, named as the save's validation named them; the user ID
// when the user is not on file, "" when nothing was posted under the slip. Errors reach the caller.
QString ChargeSlipUserName(Connection& c, const QString& slip);

// Shows a slip's sixteen values in the general viewer (modeless): on the pre-printed form
// "Charge_Slip_New.RPT" or on blank paper ("Charge_Slip_BlankForm.RPT"). Errors reach the caller.
void ShowChargeSlip(bool preprinted, const QVariantList& values, const QString& caption);

// A posting time as the slip prints it; a text that is no date stays as it is.
QString ChargeSlipDateText(const QString& postedAt);
