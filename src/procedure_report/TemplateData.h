#pragma once
#include "platform/db/Recordset.h"

class Connection;

// The interpretation templates: one RTF text per exam of the department. Errors reach the caller
// as DbError.
namespace TemplateData {
// The listed templates (CLINICAL_AREA..CL_GetInterpretations): exam ID first.
Recordset ListTemplates(Connection& c, const QString& search);
// The template of the exam: Code, ExamID, Interpretation, Description; no row when none.
Recordset LoadTemplate(Connection& c, const QString& examID);
// Keeps the exam's one template: the row is changed when the exam has one, else added.
void SaveTemplate(Connection& c, const QString& examID, const QString& description, const QString& rtf);
// Deletes the exam's template; the number of rows deleted (0: there was none).
int DeleteTemplate(Connection& c, const QString& examID);
// A station-log remark cut to what the log's column holds.
QString LogRemark(const QString& remark);
}
