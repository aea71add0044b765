#include "access/ActionApproval.h"

#include "access/frmSupervisorAccessCode.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/text/ColumnFit.h"

int ReasonRoom(const QString& houseTable, const QString& column, bool supervisorApproves)
{
    return ColumnRoom(houseTable, column, supervisorApproves ? SupervisorApprovalWord().size() : 0);
}

bool ApproveBySupervisor(const QString& question, int questionStyle, const QString& title)
{
    if (!Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges) {
        DialogAnswers.SupervisorUserID.clear();
        return true;
    }
    for (;;) {
        runModal(frmSupervisorAccessCode::instance());
        if (!DialogAnswers.SupervisorUserID.trimmed().isEmpty()) return true;
        if (MsgBox(question, vbYesNo | questionStyle, title) != vbYes) return false;
    }
}
