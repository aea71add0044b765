// "&Save" of the cash assessment: the questions of a save, every row checked, then the posting in
// one transaction (AssessmentSave), then the slip and the new grid.
#include "assessment/frmCashAssessment.h"

#include "access/frmTransaction_UserValidation.h"
#include "assessment/AssessmentSave.h"
#include "assessment/AssessmentSlip.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/assessment/AssessmentNumbers.h"
#include "shared/clsParameters.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QLineEdit>
#include <QPushButton>

namespace CA = CashRow;

void frmCashAssessment::SaveAssessment()
{
    EntryGrid& g = *mshflexEntry;
    const QString notice = QStringLiteral("Notification");
    if (g.Rows() == 2 && cell(1, CA::Dept).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Can't save a blank charge! Please enter a charge first."), vbExclamation, notice);
        g.setFocus();
        return;
    }
    // Every row is checked before anything is asked or posted: an "MD" row needs its fee.
    for (int r = 1; r < g.Rows(); ++r)
        if (cell(r, CA::Dept) == QLatin1String("MD") && !cell(r, CA::ItemCode).trimmed().isEmpty() && !(Fmt::val(cell(r, CA::Amount)) > 0)) {
            MsgBox(QStringLiteral("Please enter the professional fee of ") + cell(r, CA::Description).trimmed() + QStringLiteral("."), vbInformation, notice);
            return;
        }
    try {
        if (IsAccountClosed(SharedConnection(), txtID->text())) return;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (MsgBox(QStringLiteral("Please verify that the item(s) entered are true and correct. Especially the Department Code and the Item "
                              "Code of the Procedure/Item.\n\rDo you want to proceed in saving these charge(s)?"),
               vbYesNo | vbInformation, QStringLiteral("Important Message"))
        != vbYes)
        return;
    for (;;) {
        frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
        v->PostOrCancel = 0;
        runModal(v);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) break;
        if (MsgBox(QStringLiteral("Selected charge(s) will not be saved! \r\nAre you sure you want to save these Charge(s)?"),
                   vbYesNo | vbInformation, notice)
            != vbYes)
            return;
    }
    const QString userID = DialogAnswers.ValidatedUserID, userName = DialogAnswers.ValidatedUserName;
    bool hasOR = false;
    for (int r = 1; r < g.Rows(); ++r) hasOR = hasOR || cell(r, CA::Dept).trimmed() == QLatin1String("OR");
    DialogAnswers.resetRequestingDoctor();
    if (hasOR) runModal(frmRequestingDoctor::instance()); // whatever it answers, the save goes on

    AssessmentSaveInput in;
    in.hospNum = txtPno->text();
    in.idNum = txtID->text();
    in.patientName = txtPatient->text();
    in.userId = userID;
    in.employeeCode = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
    in.doctorId = DialogAnswers.RequestingDoctorID;
    in.doctorName = DialogAnswers.RequestingDoctorName;
    in.counterStation = Session.CurrentStationID.toString();
    in.numberMask = StationParameters().NewCSlipFormat();
    for (int r = 1; r < g.Rows(); ++r) {
        if (!CompleteRow(r)) continue; // such as the empty last row
        QStringList row;
        for (int c = 0; c < g.Cols(); ++c) row << cell(r, c);
        in.rows << row;
    }
    for (int r = 1; r < mshflexPackageItems->Rows(); ++r) {
        QStringList item;
        for (int c = 0; c < mshflexPackageItems->Cols(); ++c) item << mshflexPackageItems->TextMatrix(r, c);
        in.packageItems << item;
    }
    AssessmentSaveResult saved;
    Command1[0]->setEnabled(false);
    try {
        saved = SaveAssessmentRows(SharedConnection(), in);
    } catch (const MissingAssessmentCounter& e) {
        MsgBox(e.description(), vbInformation, notice);
        Command1[0]->setEnabled(true);
        return;
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back: nothing posted, no number used, the rows stay on screen
        Command1[0]->setEnabled(true);
        return;
    }
    Command1[0]->setEnabled(true);
    if (saved.assessmentNumber.isEmpty()) {
        MsgBox(QStringLiteral("There is no complete item to save."), vbInformation, notice);
        return;
    }
    Session.ServerDate = saved.serverDate;
    const AssessmentSlipHeader header{txtPatient->text(), txtPno->text(), txtAge->text(), txtSex->text(),
                                      txtRoom->text(),    txtID->text(),  txtDoctor2->text()};
    // the posted package items leave the grid with the rows
    mshflexPackageItems->setRows(1);
    mshflexPackageItems->setRows(2);
    Form_Load();
    if (txtEntry->isVisible()) txtEntry->setFocus();
    if (Session.HospitalInfo.IsPrintChargeSlip) {
        try {
            ShowAssessmentSlip(SharedConnection(), header, saved.assessmentNumber, Fmt::serverDateText(saved.serverDate), userID, userName,
                               QStringLiteral("ORIGINAL COPY"), QString(), QStringLiteral("Print Assessment Slip"));
        } catch (const std::exception& e) {
            ShowErrorNotice(e); // the assessment is saved; the slip can be reprinted
        }
    }
    LoadAssessments();
}
