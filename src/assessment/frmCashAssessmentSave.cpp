// "&Save" of the cash assessment: the questions of a save, every row checked, then the posting in
// one transaction (AssessmentSave), then the slip and the new grid.
#include "assessment/frmCashAssessment.h"

#include "platform/text/AdmissionNumber.h"
#include "access/UserValidation.h"
#include "assessment/AssessmentSave.h"
#include "assessment/AssessmentSlip.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/assessment/AssessmentNumbers.h"
#include "shared/EntrySaveFlow.h"
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
    std::optional<ValidatedUser> user;
    AssessmentSaveResult saved;
    AssessmentSlipHeader header;
    EntrySaveFlow f;
    f.isBlank = [&] { return g.Rows() == 2 && cell(1, CA::Dept).trimmed().isEmpty(); };
    f.blank = {QStringLiteral("Can't save a blank charge! Please enter a charge first."), vbExclamation, notice};
    f.focusWhenBlank = &g;
    f.rowsPass = [&] {
        // Every row is checked before anything is asked or posted: an "MD" row needs its fee.
        for (int r = 1; r < g.Rows(); ++r)
            if (cell(r, CA::Dept) == QLatin1String("MD") && !cell(r, CA::ItemCode).trimmed().isEmpty() && !(Fmt::val(cell(r, CA::Amount)) > 0)) {
                MsgBox(QStringLiteral("Please enter the professional fee of ") + cell(r, CA::Description).trimmed() + QStringLiteral("."), vbInformation,
                       notice);
                return false;
            }
        return !IsAccountClosed(SharedConnection(), txtID->text(), PatientTypeOfNumber(txtID->text()));
    };
    f.confirm = {QStringLiteral("Please verify that the item(s) entered are true and correct. Especially the Department Code and the Item "
                                "Code of the Procedure/Item.\n\rDo you want to proceed in saving these charge(s)?"),
                 vbInformation, QStringLiteral("Important Message")};
    f.validate = [&] {
        user = ValidateUser(
            {.retryQuestion = QStringLiteral("Selected charge(s) will not be saved! \r\nAre you sure you want to save these Charge(s)?"),
             .retryTitle = notice});
        return user.has_value();
    };
    f.askDoctor = [&] {
        bool hasOR = false;
        for (int r = 1; r < g.Rows(); ++r) hasOR = hasOR || cell(r, CA::Dept).trimmed() == QLatin1String("OR");
        DialogAnswers.resetRequestingDoctor();
        if (hasOR) runModal(frmRequestingDoctor::forPatient(Patient.AttendingDoctorCode)); // whatever it answers, the save goes on
        return true;
    };
    f.saveButton = Command1[0];
    f.post = [&] {
        AssessmentSaveInput in = AssessmentSaveFor(txtPno->text(), txtID->text(), txtPatient->text(), user->userID);
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
        saved = SaveAssessmentRows(SharedConnection(), in);
        if (saved.assessmentNumber.isEmpty()) {
            MsgBox(QStringLiteral("There is no complete item to save."), vbInformation, notice);
            return false;
        }
        return true;
    };
    // rolled back: nothing posted, no number used, the rows stay on screen
    f.postFailed = [&](const std::exception& e) {
        if (const auto* missing = dynamic_cast<const MissingAssessmentCounter*>(&e)) MsgBox(missing->description(), vbInformation, notice);
        else ShowErrorNotice(e);
    };
    f.reload = [&] {
        Session.ServerDate = saved.serverDate;
        header = {txtPatient->text(), txtPno->text(), txtAge->text(), txtSex->text(), txtRoom->text(), txtID->text(), txtDoctor2->text()};
        // the posted package items leave the grid with the rows
        mshflexPackageItems->setRows(1);
        mshflexPackageItems->setRows(2);
        Form_Load();
        if (txtEntry->isVisible()) txtEntry->setFocus();
    };
    f.print = [&] {
        if (!Session.HospitalInfo.IsPrintChargeSlip) return;
        // the assessment is saved; a slip that fails can be reprinted
        ShowAssessmentSlip(SharedConnection(), header, saved.assessmentNumber, Fmt::serverDateText(saved.serverDate), user->userID,
                           user->userName, QStringLiteral("ORIGINAL COPY"), QString(), QStringLiteral("Print Assessment Slip"));
    };
    f.finish = [this] { LoadAssessments(); };
    RunEntrySave(f);
}
