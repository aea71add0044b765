#pragma once
#include <QString>

// The current patient of the program: a click on a list row validates the row's patient through
// the patient search component and fills the Selected* variables; the selection is reset first, so nothing
// of the patient selected before stays with the new one.
namespace PatientSelection {
enum class Kind { InPatient, OutPatient };
enum class Result { Selected, NoHospitalNumber, NoMasterRecord, NoStay, Failed };

// Validates and selects the patient of a list row. reportMissingMaster: a missing master record
// stops the selection ("No Records Found!"); otherwise it goes on without name and address.
// requireHospitalNumber: a blank hospital number stops it ("No record found.").
// Shows the Part's messages; enables the main window's patient menus on success.
Result SelectRow(const QString& hospNum, const QString& idNum, int gridRow, Kind kind, bool reportMissingMaster,
                 bool requireHospitalNumber);

// "LAST ,FIRST MIDDLE": the name of the selection and of the workspace header.
QString SelectionName(const QString& last, const QString& first, const QString& middle);
// A date as the workstation's general date form shows it ("m/d/yyyy h:mm:ss AM"; the date alone
// at midnight); empty for no date.
QString GeneralDateText(const QVariant& value);
}
