#include "procedure_report/TemplateData.h"

#include "platform/db/Connection.h"

namespace TemplateData {

Recordset ListTemplates(Connection& c, const QString& search)
{
    return c.call(QStringLiteral("CLINICAL_AREA..CL_GetInterpretations"), {search.trimmed()});
}

Recordset LoadTemplate(Connection& c, const QString& examID)
{
    return c.query(QStringLiteral("SELECT Code, ExamID, Interpretation, Description FROM CLINICAL_AREA..TBCLINTERPRETATION "
                                  "WHERE ExamID = ? ORDER BY Code LIMIT 1"),
                   {examID.trimmed()});
}

void SaveTemplate(Connection& c, const QString& examID, const QString& description, const QString& rtf)
{
    const QString exam = examID.trimmed();
    TransactionGuard tx(c);
    if (c.execute(QStringLiteral("UPDATE CLINICAL_AREA..TBCLINTERPRETATION SET Interpretation = ?, Description = ? WHERE ExamID = ?"),
                  {rtf, description, exam}) == 0)
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..TBCLINTERPRETATION (ExamID, Interpretation, Description) VALUES (?, ?, ?)"),
                  {exam, rtf, description});
    tx.commit();
}

int DeleteTemplate(Connection& c, const QString& examID)
{
    return c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..TBCLINTERPRETATION WHERE ExamID = ?"), {examID.trimmed()});
}

QString LogRemark(const QString& remark) { return remark.left(1000); }

}
