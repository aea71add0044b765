#pragma once
#include "platform/db/Recordset.h"

#include <QString>
#include <QStringList>

class Connection;

// The database work of the results tab, as plain functions over the connection.
namespace ResultsData {

enum class InterpretationSource { Xray, Ultrasound, CT, MRI, WomenCentre };

// The interpretation stored for a result (number trimmed): found false when the section has no row
// for it; a null interpretation is "". The ultrasound look-up keeps results whose exam is missing
// from the catalogue.
struct Interpretation {
    bool found = false;
    QString text;
};
Interpretation LookUpInterpretation(Connection& c, InterpretationSource source, const QString& number);

// The rows a result print reads: x-ray 1, CT 2, ultrasound 3 through the radiology result procedure;
// MRI and the centre for women through their own.
Recordset RadiologyResult(Connection& c, int section, const QString& number);
Recordset MRIResult(Connection& c, const QString& number);
Recordset WomenCentreResult(Connection& c, const QString& number);

// Replaces the user's staged print rows of the admission with this print's row, in one transaction.
void StageRadiologyPrint(Connection& c, const QString& userID, const QString& admission, const QStringList& values24);
// The MRI or centre-for-women staging procedure with its twenty values, in one transaction.
void StageMRIOrWomenCentrePrint(Connection& c, bool womenCentre, const QStringList& values20);

// The examinations of a heart-station package: (form type, request number), both trimmed.
QList<QPair<QString, QString>> HeartPackageExams(Connection& c, const QString& idNum, const QString& requestNum);

// One report of a heart-station form: its file (in the report folder), its viewer caption and which parameters it takes.
struct HeartReport {
    enum class Params { RequestNumber, Echo, Hemodynamic };
    QString file;
    QString caption;
    Params params = Params::RequestNumber;
};
// The reports of a form type in print order; none for "N", "T", an unknown or an empty type.
QList<HeartReport> HeartFormReports(const QString& formType);

// The ECG and pulmonary report procedures of the heart station, with their values in order.
Recordset HeartSearchResult(Connection& c, const QString& code, const QString& requestNum);
void SendEcgReport(Connection& c, const QStringList& values21);
void SendPulmonaryReport(Connection& c, const QStringList& values12);

}
