#pragma once
// Small helpers shared by the look-ups and checks of the shared module.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

#include <QString>
#include <QVariant>

namespace Lookup {

// The look-ups' two ways to the server, named the way their statements read.
inline Recordset query(Connection& c, const QString& sql, const QVariantList& params = {}) { return c.query(sql, params); }
inline Recordset call(Connection& c, const char* procedure, const QVariantList& args)
{
    return c.call(QString::fromLatin1(procedure), args);
}

// A text to bind where an empty text must stay an empty text: a null QString binds as NULL.
inline QString textParam(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

// A column read straight into a text, a number or a truth value: a null is an error, as it is when
// the hospital's module converts a null directly.
QString textOf(const QVariant& v);
double numberOf(const QVariant& v);
bool truthOf(const QVariant& v);

// A number as text with a sign position: a blank before a value that is not negative, a full stop
// as decimal separator (" 1500", "-2.5").
QString signedNumberText(double value);

}
