#pragma once
#include "platform/db/Recordset.h"

#include <QString>
#include <QVariantHash>
#include <QVariantList>
#include <functional>

class Connection;

// Arguments of a stored-procedure call: positional in order, or named ("@Param").
struct ProcedureArgs {
    QVariantList positional;
    QVariantHash named;
    QString procedure; // the name called, for the errors (set by the registry)

    int count() const { return positional.size(); }
    // Argument i; an argument the caller did not give throws DbError, as the server refuses a call
    // that leaves out a parameter without a default.
    QVariant at(int i) const;
    QString text(int i) const { return DbValue::text(at(i)); }
    // Argument i of a parameter declared with a default: `absent` when the caller left it out.
    QVariant optional(int i, const QVariant& absent = {}) const { return i < positional.size() ? positional[i] : absent; }
    // A named argument, found with or without its "@" and without regard to case.
    QVariant named_(const QString& name) const;
};

using ProcedureFn = std::function<Recordset(Connection&, const ProcedureArgs&)>;

// The hospital's stored procedures, each a stand-in written in C++ over the same connection.
namespace ProcedureRegistry {
void add(const QString& houseName, ProcedureFn fn);
bool contains(const QString& houseName);
// Throws DbError for a name that has no stand-in.
Recordset invoke(Connection& conn, const QString& houseName, const ProcedureArgs& args);
QStringList names();
}

// Registers a stand-in when the program starts:
//   CATHLAB_PROCEDURE("STATION..sp_X", [](Connection& c, const ProcedureArgs& a) { ... });
struct ProcedureRegistration {
    ProcedureRegistration(const char* name, ProcedureFn fn) { ProcedureRegistry::add(QString::fromLatin1(name), std::move(fn)); }
};
#define CATHLAB_PROC_CAT2(a, b) a##b
#define CATHLAB_PROC_CAT(a, b) CATHLAB_PROC_CAT2(a, b)
#define CATHLAB_PROCEDURE(name, fn) \
    static const ProcedureRegistration CATHLAB_PROC_CAT(s_procedure_, __COUNTER__)(name, fn)
