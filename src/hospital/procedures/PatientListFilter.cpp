#include "hospital/procedures/PatientListFilter.h"

#include "platform/db/LikePattern.h"

PatientListFilter PatientListFilter::from(const QString& lastName, const QString& hospNum, const QString& idNum)
{
    PatientListFilter f;
    const QString id = idNum.trimmed(), hosp = hospNum.trimmed(), last = lastName.trimmed();
    if (!id.isEmpty()) {
        f.kind = ByAdmission;
        // Admission numbers are stored in capitals ("900101B"); "900101b" is the same number.
        f.params = {id.toUpper()};
    } else if (!hosp.isEmpty()) {
        f.kind = ByHospital;
        f.params = {hosp};
    } else if (!last.isEmpty()) {
        f.kind = ByLastName;
        // The range lets the name index find the rows; LIKE keeps exactly the names that begin
        // with the text ('!' escapes the wildcards a user may type).
        QString upper = last;
        upper[upper.size() - 1] = QChar(upper.at(upper.size() - 1).unicode() + 1);
        f.params = {last, upper, Like::startsWith(last)};
    }
    return f;
}

QString PatientListFilter::condition(const QString& idColumn, const QString& hospColumn, const QString& lastNameColumn,
                                     const QString& currentCondition) const
{
    switch (kind) {
    case ByAdmission: return idColumn + QStringLiteral(" = ?");
    case ByHospital: return hospColumn + QStringLiteral(" = ?");
    case ByLastName:
        return QStringLiteral("%1 >= ? AND %1 < ? AND %1 LIKE ? ESCAPE '!'").arg(lastNameColumn);
    case Current: break;
    }
    return currentCondition;
}
