#pragma once
// Reprinting and revoking from the list of assessment lines, as both assessment windows do it: the
// status refusals, the user validation, the right "22" of the validated user, the revocation
// procedure (which checks the status again inside its transaction) and the reprinted slip. The two
// windows differ only in their texts and in a few steps (AssessmentListTexts).
#include "assessment/AssessmentSlip.h"

#include <QString>
#include <functional>

class FlexGrid;
class QPushButton;

struct AssessmentListTexts {
    QString reprintRefusal;   // status REVOKED
    QString reprintCaption;   // the viewer's caption
    QString givenRefusal;     // revoking a line the cashier has processed (any status but PENDING and REVOKED)
    QString revokedRefusal;   // revoking a revoked line
    int confirmIcon = 0;      // MsgBox icon of "Are you sure you want to revoke ...?"
    bool reloadOnNo = false;  // the list is read again when the question is answered No
    QString retryQuestion;    // after a refused validation
    QString rightRefusal;     // the validated user lacks right "22"
    bool clinicalSummary = false; // the slip's parameter 17 names every line of the assessment with its remarks
};
const AssessmentListTexts& CashAssessmentTexts();
const AssessmentListTexts& ClinicalAssessmentTexts();

// What the operations need of the window: its list (key in column 1, department 3, amount 5,
// assessment number 6, description 8, date 9, status 11, remarks 12), its own header, its list
// loader and its "Revoke" button.
struct AssessmentListWindow {
    FlexGrid* list = nullptr;
    AssessmentSlipHeader header;
    std::function<void()> reload;
    QPushButton* revokeButton = nullptr;
};

// The slip of the list's current row once more ("REPRINTED COPY").
void ReprintAssessmentSlip(const AssessmentListWindow& w, const AssessmentListTexts& t);
// Revokes the assessment of the list's current row. True when it was revoked.
bool RevokeAssessment(const AssessmentListWindow& w, const AssessmentListTexts& t);
