#pragma once
// The assessment slip ("Assessment_Slip_BlankForm.rpt") of the cash and clinical assessments: its
// lines made from the assessment's own lines (STATION..sp_CL_PrintAssessment), its seventeen
// parameters, and the modeless viewer it opens in.
#include <QString>
#include <QVariantList>

class Connection;

// What the slip says of the patient: the assessment window's own header.
struct AssessmentSlipHeader {
    QString patientName, hospNum, age, sex, room, idNum, attendingDoctor;
};

// The seventeen values in the order of the report's parameter fields: number, patient, hospital
// number, age / sex, (blank), account, room, admission, date twice, attending doctor, (blank), user
// name, "(user) name", user name, copy mark, summary (the clinical slip's; "" on a cash slip).
QVariantList AssessmentSlipValues(const AssessmentSlipHeader& h, const QString& number, const QString& company,
                                  const QString& dateText, const QString& userId, const QString& userName, const QString& copyMark,
                                  const QString& summary);

// Prepares the slip's lines for the assessment and shows the slip with the given caption. The
// account is the admission's own (never the patient the lists select). Errors reach the caller.
void ShowAssessmentSlip(Connection& c, const AssessmentSlipHeader& h, const QString& number, const QString& dateText,
                        const QString& userId, const QString& userName, const QString& copyMark, const QString& summary,
                        const QString& caption);
