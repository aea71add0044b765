#pragma once
#include "platform/db/Recordset.h"

#include <QString>
#include <QVariantList>

class Connection;

// The statement of a pick list: house SQL with "?" for its fixed values and "##" where the typed
// criteria goes, or a stored procedure's name followed by its arguments ("STATION..sp_X ?").
// Every value is bound: a bare "##" becomes a parameter holding the criteria, and a quoted literal
// holding "##" (as in LIKE '##%') becomes one parameter holding the literal's text with the
// criteria in place of each "##"; after LIKE, the criteria's "%" and "_" are characters to find.
struct BoundStatement {
    QString sql;           // values only as "?"
    QVariantList params;
};
BoundStatement BindCriteria(const QString& query, const QVariantList& params, const QString& criteria);

// Runs the statement (a SELECT, or a procedure call) with the criteria bound.
Recordset OpenSearchStatement(Connection& conn, const QString& query, const QVariantList& params,
                              const QString& criteria);
