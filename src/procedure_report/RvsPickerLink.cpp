#include "procedure_report/RvsPickerLink.h"

#include "platform/db/DbError.h"

namespace RvsPickerLink {
namespace {
Picker& picker()
{
    static Picker p;
    return p;
}
Describer& describer()
{
    static Describer d;
    return d;
}
}

void install(Picker p, Describer d)
{
    picker() = std::move(p);
    describer() = std::move(d);
}

Choice pick(const QString& key, const QString& examID)
{
    if (!picker()) throw DbError(QStringLiteral("The RVS code picker is not available."));
    return picker()(key, examID);
}

QString describe(const QString& code)
{
    if (!describer()) throw DbError(QStringLiteral("The RVS descriptions are not available."));
    return describer()(code);
}
}
