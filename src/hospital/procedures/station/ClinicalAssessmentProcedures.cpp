// Stand-ins the clinical assessment reads: the professional fee of a laboratory exam by class.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: laboratory exam, rate class. One row with Rate, none when the exam has no fee for it.
Recordset pfAmountByClass(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT Rate FROM BUILD_FILE..tbCoLabExamPFByClass WHERE LabExamID = ? AND RateClass = ?"),
                   {a.text(0).trimmed(), a.text(1).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("Station..Nurse_GetPFAmountByClass", pfAmountByClass);
