#include "shared/orders/ExamOrderChecks.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/WorkspaceLink.h"
#include "shared/orders/ProfileGrid.h"

#include <QRadioButton>

namespace {

// The workspace's orders grid keeps the exam code in this column (OrderRow::Code).
constexpr int kWorkspaceCodeCol = 2;

// Two codes are the same exam when they are equal and not empty.
bool sameCode(const QString& a, const QString& b)
{
    return !a.isEmpty() && a == b;
}

bool isEmptyGrid(const FlexGrid& grid, int col)
{
    return grid.Rows() <= 2 && grid.TextMatrix(1, col).isEmpty();
}

// An order of the workspace leaves through the ordering's own removal, which unticks its pick-list
// entry by section and code; any other grid loses the row, or has its only data row blanked.
void removeOrderRow(FlexGrid& orderGrid, int examCodeCol, int row)
{
    if (examCodeCol == kWorkspaceCodeCol) {
        const WorkspaceLink::Controls ws = WorkspaceLink::workspace();
        if (&orderGrid == ws.orders) {
            if (!ws.removeOrder) throw DbError(QStringLiteral("The procedures workspace cannot take orders off its grid."));
            return ws.removeOrder(row);
        }
    }
    if (orderGrid.Rows() > 2) return orderGrid.RemoveItem(row);
    for (int c = 1; c <= 11; ++c) orderGrid.setTextMatrix(1, c, QString());
    for (int c = 12; c <= 15 && c < orderGrid.Cols(); ++c) orderGrid.setTextMatrix(1, c, QString());
}

} // namespace

bool LoadExamProfiles(Connection& c, const QString& examCode, FlexGrid& profileGrid)
{
    Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_Get_ProfileList"), {examCode.trimmed()});
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        int row = 1;
        if (!profileGrid.TextMatrix(1, ProfileRow::ExamID).isEmpty()) {
            profileGrid.setRows(profileGrid.Rows() + 1);
            row = profileGrid.Rows() - 1;
        }
        profileGrid.setTextMatrix(row, ProfileRow::ExamID, rs.text(QStringLiteral("ExamID")));
        profileGrid.setTextMatrix(row, ProfileRow::ExamName, rs.text(QStringLiteral("ExamName")));
        profileGrid.setTextMatrix(row, ProfileRow::ProfileID, rs.text(QStringLiteral("ProfileID")));
        profileGrid.setTextMatrix(row, ProfileRow::ProfileName, rs.text(QStringLiteral("ProfileName")));
    }
    return rs.recordCount() > 0;
}

bool CheckOrderExamInProfile(FlexGrid& profileGrid, FlexGrid& orderGrid, int examCodeCol)
{
    for (int o = 1; o < orderGrid.Rows(); ++o) {
        const QString code = orderGrid.TextMatrix(o, examCodeCol).trimmed();
        for (int p = 1; p < profileGrid.Rows(); ++p) {
            if (!sameCode(code, profileGrid.TextMatrix(p, ProfileRow::ExamID).trimmed())) continue;
            MsgBox(QStringLiteral("The Exam ") + profileGrid.TextMatrix(p, ProfileRow::ExamName).trimmed()
                       + QStringLiteral(" in the ORDER LIST is included in this Profile(")
                       + profileGrid.TextMatrix(p, ProfileRow::ProfileName).trimmed() + QStringLiteral(")"),
                   vbExclamation | vbOKOnly, QStringLiteral("Message"));
            return true;
        }
    }
    return false;
}

void RemoveOrdersInProfiles(FlexGrid& profileGrid, FlexGrid& orderGrid, int examCodeCol)
{
    bool removed = true;
    while (removed) {
        removed = false;
        for (int o = 1; o < orderGrid.Rows() && !removed; ++o) {
            for (int p = 1; p < profileGrid.Rows() && !removed; ++p) {
                if (isEmptyGrid(orderGrid, examCodeCol)) continue;
                if (!sameCode(orderGrid.TextMatrix(o, examCodeCol).trimmed(),
                              profileGrid.TextMatrix(p, ProfileRow::ExamID).trimmed()))
                    continue;
                const int rows = orderGrid.Rows();
                removeOrderRow(orderGrid, examCodeCol, o);
                removed = orderGrid.Rows() < rows; // a row gone: scan again from the first pair
            }
        }
    }
}

bool CheckExamInProfile(const QString& examCode, FlexGrid& profileGrid)
{
    for (int p = 1; p < profileGrid.Rows(); ++p) {
        if (!sameCode(examCode, profileGrid.TextMatrix(p, ProfileRow::ExamID).trimmed())) continue;
        MsgBox(QStringLiteral("This Exam ") + profileGrid.TextMatrix(p, ProfileRow::ExamName).trimmed()
                   + QStringLiteral(" is included in this Profile(")
                   + profileGrid.TextMatrix(p, ProfileRow::ProfileName).trimmed() + QStringLiteral(")"),
               vbExclamation | vbOKOnly, QStringLiteral("Message"));
        return true;
    }
    return false;
}

void ClearProfileExams(const QString& profileCode, FlexGrid& profileGrid)
{
    const QString code = profileCode.trimmed();
    bool removed = true;
    while (removed) {
        removed = false;
        for (int p = 1; p < profileGrid.Rows() && !removed; ++p) {
            if (isEmptyGrid(profileGrid, ProfileRow::ExamID)) continue;
            if (!sameCode(code, profileGrid.TextMatrix(p, ProfileRow::ProfileID).trimmed())) continue;
            if (profileGrid.Rows() > 2) {
                profileGrid.RemoveItem(p);
                removed = true;
            } else {
                for (int c = ProfileRow::ExamID; c <= ProfileRow::ProfileName; ++c) profileGrid.setTextMatrix(1, c, QString());
            }
        }
    }
}

QString GetSingleSpecimen(Connection& c, const QString& labExamCode, QString& specimenCode)
{
    Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_GetLabExam_Specimen"), {labExamCode.trimmed()});
    DialogAnswers.HasSeveralSpecimens = rs.recordCount() > 1;
    QString description;
    if (rs.recordCount() == 0) {
        DialogAnswers.ExamOrderSpecimen = specimenCode = QStringLiteral("0");
        description = QStringLiteral("None");
    } else if (rs.recordCount() == 1) {
        DialogAnswers.ExamOrderSpecimen = specimenCode = rs.text(QStringLiteral("Code"));
        description = rs.text(QStringLiteral("Description"));
    } else {
        DialogAnswers.ExamOrderSpecimen.clear();
        specimenCode.clear();
    }
    return description;
}

StatOptions StatOptionsFor(const QString& stat, const QDateTime& serverNow)
{
    StatOptions o;
    if (stat == QLatin1String("Y")) {
        o.chosen = 1;
        o.routineEnabled = false;
    } else if (stat == QLatin1String("N")) {
        o.chosen = 0;
        o.statEnabled = false;
    } else {
        // the server counts its week from Sunday: day 7 is Saturday
        const bool saturday = serverNow.date().dayOfWeek() == Qt::Saturday;
        const bool after5 = serverNow.time() > QTime(17, 0, 0);
        o.chosen = (saturday || after5) ? 1 : 0;
    }
    return o;
}

void SetStatOptions(Connection& c, const QString& labExamCode, const std::array<QRadioButton*, 2>& options)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(Stat,'') AS Stat, GETDATE() AS ServerNow FROM BUILD_FILE..tbCoLabExam "
                       "WHERE LabExamID = ?"),
        {labExamCode});
    if (rs.isEmpty()) return;
    const QDateTime now = rs.toDateTime(QStringLiteral("ServerNow"));
    if (!now.isValid()) throw DbError(QStringLiteral("The server did not give its date and time."));
    const StatOptions o = StatOptionsFor(rs.text(QStringLiteral("Stat")), now);
    // the choice first, then the enabled flags
    options[o.chosen]->setChecked(true);
    options[0]->setEnabled(o.routineEnabled);
    options[1]->setEnabled(o.statEnabled);
}

namespace {
// One statement for the three catalogues; only the table and its key differ.
double examMaxQty(Connection& c, const QString& table, const QString& key, const QString& examCode)
{
    double result = 1;
    try {
        Recordset rs = c.query(
            QStringLiteral("SELECT CASE WHEN COALESCE(IsProcedure,0) = 1 AND COALESCE(OpenQuantity,0) = 1 THEN MaxQty "
                           "ELSE 1 END AS MaxQty FROM %1 WHERE %2 = ?").arg(table, key),
            {examCode.trimmed()});
        if (!rs.isEmpty()) {
            if (rs.isNull(QStringLiteral("MaxQty"))) throw DbError(QStringLiteral("Invalid use of Null"));
            result = rs.toDouble(QStringLiteral("MaxQty"));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    return result;
}
}

double GetLabExamMaxQty(Connection& c, const QString& examCode)
{
    return examMaxQty(c, QStringLiteral("BUILD_FILE..tbCoLabExam"), QStringLiteral("LabExamID"), examCode);
}

double GetXrayExamMaxQty(Connection& c, const QString& examCode)
{
    return examMaxQty(c, QStringLiteral("BUILD_FILE..tbCoXrayExam"), QStringLiteral("XrayExamID"), examCode);
}

double GetUltraExamMaxQty(Connection& c, const QString& examCode)
{
    return examMaxQty(c, QStringLiteral("BUILD_FILE..tbCoUltraExam"), QStringLiteral("UltraExamID"), examCode);
}

QString GetExamFormType(Connection& c, const QString& itemCode)
{
    QString result;
    try {
        Recordset rs = c.query(
            QStringLiteral("SELECT FormType FROM STATION..tbCLExamFormTypes WHERE ItemID = ? LIMIT 1"), {itemCode});
        result = rs.isEmpty() ? QStringLiteral("A") : rs.text(QStringLiteral("FormType"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    return result;
}

void LayOutSpecimenList(FlexGrid& list)
{
    list.clearContents();
    list.setRows(2);
    list.setCols(3);
    list.setColWidth(0, 0);
    list.setColWidth(1, 0);
    list.setColWidth(2, 3000);
    list.setTextMatrix(0, 2, QStringLiteral("List of Specimens"));
    list.setTextMatrix(1, 1, QString());
    list.setTextMatrix(1, 2, QString());
}

void FillSpecimenList(Connection& c, const QString& labExamCode, FlexGrid& list)
{
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_GetLabExam_Specimen"), {labExamCode.trimmed()});
    for (int r = 0; r < rs.recordCount(); ++r) {
        if (r > 0) list.AddItem(QString());
        const int row = list.Rows() - 1;
        list.setTextMatrix(row, 1, rs.textAt(r, QStringLiteral("Code")));
        list.setTextMatrix(row, 2, rs.textAt(r, QStringLiteral("Description")));
    }
}
