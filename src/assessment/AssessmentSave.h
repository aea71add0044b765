#pragma once
// The posting of an assessment save (cash and clinical): every complete row of the entry grid as
// one line under one new assessment number, the oxygen record of each PSI oxygen row and the stock
// items of the packages entered, all in one transaction with one server time. A save that fails
// leaves nothing behind and uses no number; a save without rows takes no number.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class Connection;

struct AssessmentSaveInput {
    // The window's own header, as it stands.
    QString hospNum, idNum, patientName;
    QString userId;                 // the validated user
    QString employeeCode;           // the logged-in user: the package items are posted under this code
    QString doctorId, doctorName;   // the requesting doctor; both may be empty
    QString counterStation;         // the station whose assessment counter is used
    QString numberMask;             // the station's number mask ("" none)
    bool clinical = false;          // a clinical line also carries its remarks (column 16) and specimen (column 15)
    QList<QStringList> rows;        // the complete rows in grid order, cells by grid column
    QList<QStringList> packageItems; // rows of the package items grid: revenue, summary, item, quantity, amount, location, package in columns 1 to 7
};

// A save of the window's patient by the validated user, with what the run gives it: the logged-in
// user's code, the requesting doctor just chosen, the station's counter and number mask.
AssessmentSaveInput AssessmentSaveFor(const QString& hospNum, const QString& idNum, const QString& patientName, const QString& userId);

struct AssessmentSaveResult {
    QString assessmentNumber; // "" when nothing was posted
    QDateTime serverDate;     // the time of every line of the save
};

// Posts the save. Errors reach the caller after the rollback; MissingAssessmentCounter when the
// station has no counter row. DialogAnswers.SlipNumberTaken is set while the save holds its
// number and is False again when this returns, whatever the outcome.
AssessmentSaveResult SaveAssessmentRows(Connection& c, const AssessmentSaveInput& in);

// The slip summary of a clinical assessment: "FOR " department ": " remarks for each line, joined
// by ", " (an empty summary takes no separator).
QString AppendSlipSummary(const QString& summary, const QString& department, const QString& remarks);
