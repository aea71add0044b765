#pragma once
#include <QDialog>

class FlexGrid;
class QGroupBox;
class QLabel;
class QPushButton;

// "List of Confirmed Schedules": the confirmed operation schedules; one whose time has not come
// can be revoked. Nothing in the program opens it yet.
class frmScheduleRequestStatus : public QDialog {
    Q_OBJECT
public:
    explicit frmScheduleRequestStatus(QWidget* parent = nullptr);

    QGroupBox* fraPendingRequest = nullptr;
    FlexGrid* mshflexPending = nullptr;
    QPushButton* cmdPending[3] = {}; // 1 "Revoke", 2 "Exit"
    QLabel* lbl1 = nullptr;
    QLabel* lblRecNum = nullptr;
    QLabel* lblInstructions = nullptr; // the fixed guide beside the mouse picture
    QLabel* imgMaouse = nullptr;

    void Form_Load();
    void mshflexPending_Click();
    void mshflexPending_EnterCell();
    void cmdPending_Click(int index);

private:
    void RevokeSchedule();
};
