#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class clsCurrentuser;

// The log-in component's own dialog: user ID and access code, checked against the hospital's
// employee file for the department.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(clsCurrentuser* owner, QWidget* parent = nullptr);

    QLineEdit* txtUserID;
    QLineEdit* txtAccessCode;
    QLabel* lblDatabase;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    clsCurrentuser* m_owner;
};
