#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "Please Enter the Missing Information": the admitting diagnosis, chief complaint and diet of the
// in-patient admission open in the procedures workspace, saved to the admission's history and
// copied into the workspace's header.
class frmCheckData : public QDialog {
    Q_OBJECT
public:
    explicit frmCheckData(QWidget* parent = nullptr);

    QLineEdit* txtEntry[2];
    QLineEdit* txtDiet[2]; // 0 the diet's name, 1 its code
    QPushButton* cmdDiet;
    QPushButton* cmdOption[2]; // "&Save", "&Cancel"

    void Form_Load();
    void cmdDiet_Click();
    void cmdOption_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
