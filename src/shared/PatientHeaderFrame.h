#pragma once
// The copied patient header of the entry windows: sixteen read-only boxes, named as the workspace
// names its own (the opener copies each box into the one of the same name), four to a row.
#include <QStringList>
#include <array>

class QGroupBox;
class QLineEdit;
class QWidget;

// The captions, in box order: "Patient Name", "Admitting Dr.:", ... "Diag.".
QStringList PatientHeaderCaptions();
// Makes the frame and the boxes (into the pointers, in the order txtPatient, txtDoctor1,
// txtDoctor2, txtDoctor3, txtID, txtPno, txtDateAdmitted, txtDateDischarged, txtDob, txtRoom,
// txtAge, txtSex, txtBloodType, txtStatus, txtAdiet, txtDiagnosis). Its grid layout has rows 0 to 3.
QGroupBox* MakePatientHeaderFrame(QWidget* parent, const std::array<QLineEdit**, 16>& boxes,
                                  const QStringList& captions = PatientHeaderCaptions());
