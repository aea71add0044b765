#pragma once
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Enter Requesting Doctor": asks which doctor requested what is being saved: a code from the
// doctor list, or "0" with a name typed by hand. Callers show it modally, then read
// RequestingDoctorID and RequestingDoctorName; an empty ID means no doctor was given. Each showing
// starts afresh from the attending doctor of the patient it was given (forPatient), or empty.
class frmRequestingDoctor : public QDialog {
    Q_OBJECT
public:
    // The one dialog of the run. It is hidden, not deleted, when it closes, so that a caller can
    // still reach it after runModal; every showing loads it afresh.
    static frmRequestingDoctor* instance();
    // The dialog, to be shown next for a patient whose attending doctor has this code: the code
    // box starts with it. Taken by that one showing, so a later showing never inherits it.
    static frmRequestingDoctor* forPatient(const QString& attendingDoctorCode);

    QLabel* Label1;
    QLabel* Label2;
    std::array<QLineEdit*, 2> txtRequestingDoctor{}; // (1) doctor code, (0) doctor name
    QFrame* fraReqDoc;
    QToolButton* cmdReqDoc;
    QPushButton* cmdOption;

    void Form_Load();
    // The code check: run when the focus leaves either box, before "OK" acts and on Enter in the
    // code box. True when the focus may leave `leaving`.
    bool CheckDoctorCode(QLineEdit* leaving);
    void cmdReqDoc_Click();
    void cmdOption_Click();

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmRequestingDoctor();
    QLineEdit* code() const { return txtRequestingDoctor[1]; }
    QLineEdit* name() const { return txtRequestingDoctor[0]; }
    bool searchDoctor();
    void keepFocusIn(QLineEdit* box);

    bool m_loaded = false;
    bool m_checking = false;
    QString m_attendingDoctorCode;
};
