#pragma once
#include <QString>
#include <QVariantList>

// How the patient-list procedures read their three search texts: the admission number (exact)
// wins over the hospital number (exact), which wins over the last name (the names that begin with
// it). With all three empty the list shows the patients still in the hospital.
struct PatientListFilter {
    enum Kind { Current, ByAdmission, ByHospital, ByLastName } kind = Current;
    QVariantList params;

    static PatientListFilter from(const QString& lastName, const QString& hospNum, const QString& idNum);
    // The condition for the given columns, with '?' for the parameters above.
    QString condition(const QString& idColumn, const QString& hospColumn, const QString& lastNameColumn,
                      const QString& currentCondition) const;
};
