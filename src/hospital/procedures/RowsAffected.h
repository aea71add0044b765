#pragma once
#include "platform/db/Recordset.h"

// The one-row answer of a procedure that tells how many rows it changed.
inline Recordset RowsAffected(int n)
{
    Recordset rs(QStringList{QStringLiteral("RowsAffected")}, {});
    rs.addRow({n});
    return rs;
}
