#pragma once
#include <QDialog>

class QFrame;
class QLabel;

// "Patient Information": who the patient chosen in the patient list is. Shown modally from the
// main window's "Personal Info"; it loads afresh from the list's chosen row each time.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* parent = nullptr);

    QLabel* lblPatient;
    QLabel* lblHopital[4]; // captions
    QLabel* lblInfo[4];    // hospital number, admission number, admission date, room
    QFrame* Line1;
    QFrame* Shape1;

    void Form_Load();

    // "mm/dd/yyyy hh:mm:ss AM/PM" of a list's date text ("" when it is not a date).
    static QString AdmissionDateText(const QString& listText);
};
