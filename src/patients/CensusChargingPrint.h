#pragma once
#include <QString>

// The census charging report of one admission and one package reference number: the main report
// and its subreports of additional supplies and returned items, in the general report viewer.
namespace CensusChargingPrint {
// The package's description in the department's package catalogue ("" when none).
QString PackageDescription(const QString& packageID);
// Prints into the general viewer, or the modal one with modalViewer; a failure is shown through
// the common error notice and no viewer opens.
void Print(const QString& idNum, const QString& hospNum, const QString& refNum, bool modalViewer = false);
}
