// Saving, reprinting and revoking clinical assessments.
#include "assessment/AssessmentRevokeReprint.h"
#include "assessment/AssessmentSave.h"
#include "assessment/AssessmentSlip.h"
#include "assessment/ClinicalAssessmentData.h"
#include "access/UserValidation.h"
#include "assessment/frmAssessmentClinical.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/EntrySaveFlow.h"
#include "shared/clsParameters.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QLineEdit>

namespace {
AssessmentSlipHeader clinicalSlipHeader(const frmAssessmentClinical& w)
{
    return {w.txtPatient->text(), w.txtPno->text(), w.txtAge->text(), w.txtSex->text(),
            w.txtRoom->text(),    w.txtID->text(),  w.txtDoctor2->text()};
}
} // namespace

void frmAssessmentClinical::SaveClinicalAssessment()
{
    EntryGrid& g = *mshflexEntry;
    const clsParameters& p = StationParameters();
    QList<QStringList> rows;
    std::optional<ValidatedUser> user;
    AssessmentSaveResult saved;
    AssessmentSlipHeader header;
    EntrySaveFlow f;
    f.isBlank = [&] { return g.Rows() == 2 && dept(1).isEmpty(); };
    f.blank = {QStringLiteral("Can't save a blank charge! Please enter charges."), vbExclamation, QStringLiteral("Notification")};
    f.focusWhenBlank = &g;
    f.rowsPass = [&] {
        // The complete rows, as they stand; the others (the empty last row) are passed over.
        for (int r = 1; r < g.Rows(); ++r) {
            if (!CompleteRow(r)) continue;
            QStringList cells;
            for (int c = 0; c < ClinicalRow::ColumnCount; ++c) cells << cell(r, c);
            rows << cells;
        }
        return true;
    };
    f.doctorFirst = true;
    f.askDoctor = [&] {
        if (p.ClinAssessRequireDx()) runModal(frmRequestingDoctor::forPatient(Patient.AttendingDoctorCode)); // a cancelled doctor still saves, with none
        return true;
    };
    f.validate = [&] {
        user = ValidateUser({.retryQuestion = QStringLiteral("You have entered invalid user information. Entered charges were not saved! ")
                                              + QStringLiteral("\r\n") + QStringLiteral("Are you sure you want to save these charges?")});
        return user.has_value();
    };
    f.post = [&] {
        AssessmentSaveInput in = AssessmentSaveFor(txtPno->text(), txtID->text(), txtPatient->text(), user->userID);
        in.clinical = true;
        in.rows = rows;
        saved = SaveAssessmentRows(SharedConnection(), in);
        return true;
    };
    f.reload = [&] {
        LastAssessmentNumber = saved.assessmentNumber;
        header = clinicalSlipHeader(*this);
        Form_Load();
        txtEntry->setFocus();
    };
    f.print = [&] {
        // A save that posted nothing has no slip.
        if (!Session.HospitalInfo.IsPrintChargeSlip || saved.assessmentNumber.isEmpty()) return;
        QString summary;
        for (const QStringList& row : rows) summary = AppendSlipSummary(summary, row.value(ClinicalRow::Dept), row.value(ClinicalRow::Remarks));
        ShowAssessmentSlip(SharedConnection(), header, saved.assessmentNumber, Fmt::serverDateText(saved.serverDate), user->userID,
                           user->userName, QStringLiteral("ORIGINAL COPY"), summary, QStringLiteral("Print Assessment Slip"));
    };
    f.finish = [this] { LoadAssessmentStatus(); };
    RunEntrySave(f);
}

void frmAssessmentClinical::MSHFlexList_DblClick()
{
    if (MSHFlexList->Rows() < 2 || !MSHFlexList->isEnabled()) return;
    AssessmentListWindow w{MSHFlexList, clinicalSlipHeader(*this), [this] { LoadAssessmentStatus(); }, cmdOption[1]};
    try {
        RevokeAssessment(w, ClinicalAssessmentTexts());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmAssessmentClinical::cmdOption_Click(int index)
{
    if (index != 0) return MSHFlexList_DblClick();
    if (MSHFlexList->Rows() < 2) return;
    AssessmentListWindow w{MSHFlexList, clinicalSlipHeader(*this), [this] { LoadAssessmentStatus(); }, cmdOption[1]};
    try {
        ReprintAssessmentSlip(w, ClinicalAssessmentTexts());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
