#include "platform/db/Procedures.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Dialect.h"

#include <QHash>

namespace {
QHash<QString, ProcedureFn>& table()
{
    static QHash<QString, ProcedureFn> t;
    return t;
}
}

QVariant ProcedureArgs::at(int i) const
{
    if (i < 0 || i >= positional.size())
        throw DbError(QStringLiteral("Procedure or function '%1' expects argument %2, which was not supplied (%3 given).")
                          .arg(procedure)
                          .arg(i + 1)
                          .arg(positional.size()));
    return positional[i];
}

QVariant ProcedureArgs::named_(const QString& name) const
{
    QString want = name;
    if (want.startsWith(QLatin1Char('@'))) want = want.mid(1);
    for (auto it = named.constBegin(); it != named.constEnd(); ++it) {
        QString k = it.key();
        if (k.startsWith(QLatin1Char('@'))) k = k.mid(1);
        if (k.compare(want, Qt::CaseInsensitive) == 0) return it.value();
    }
    return {};
}

namespace ProcedureRegistry {

void add(const QString& houseName, ProcedureFn fn)
{
    table().insert(Dialect::normalizeObjectName(houseName), std::move(fn));
}

bool contains(const QString& houseName)
{
    return table().contains(Dialect::normalizeObjectName(houseName));
}

Recordset invoke(Connection& conn, const QString& houseName, const ProcedureArgs& args)
{
    auto it = table().constFind(Dialect::normalizeObjectName(houseName));
    if (it == table().constEnd())
        throw DbError(QStringLiteral("Could not find stored procedure '%1'.").arg(houseName.trimmed()));
    ProcedureArgs called = args;
    called.procedure = houseName.trimmed();
    return it.value()(conn, called);
}

QStringList names() { return table().keys(); }

} // namespace ProcedureRegistry
