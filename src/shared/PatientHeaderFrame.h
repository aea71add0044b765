#pragma once
// The patient header of the entry windows: sixteen read-only boxes, named as the workspace names
// its own, four to a row, filled from the patient the window was given.
#include <QStringList>
#include <array>

class QGroupBox;
class QLineEdit;
class QWidget;
struct PatientContext;

// The captions, in box order: "Patient Name", "Admitting Dr.:", ... "Diag.".
QStringList PatientHeaderCaptions();
// Makes the frame and the boxes (into the pointers, in the order txtPatient, txtDoctor1,
// txtDoctor2, txtDoctor3, txtID, txtPno, txtDateAdmitted, txtDateDischarged, txtDob, txtRoom,
// txtAge, txtSex, txtBloodType, txtStatus, txtAdiet, txtDiagnosis). Its grid layout has rows 0 to 3.
QGroupBox* MakePatientHeaderFrame(QWidget* parent, const std::array<QLineEdit**, 16>& boxes,
                                  const QStringList& captions = PatientHeaderCaptions());
// Shows the patient in the sixteen boxes (given in the order above).
void ShowPatientInHeader(const std::array<QLineEdit*, 16>& boxes, const PatientContext& patient);
