#pragma once
#include <QDialog>

class FlexGrid;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The mark-up choice while charging: the caller shows it modally and then reads
// MarkupOperation (1 multiply, 2 add, 0 none) and MarkupValue. Both are reset when it opens;
// closing it any other way than OK answers no mark-up.
class frmMarkUp : public QDialog {
    Q_OBJECT
public:
    explicit frmMarkUp(QWidget* parent = nullptr);

    QLabel* lblHeading;
    QCheckBox* chkHoliday;
    QRadioButton* opt30[2]; // "30% for Scheduled", "60% for STAT"
    QCheckBox* chkMarkup;
    QLabel* Label1;
    FlexGrid* mshFlexMarkUp;
    QPushButton* cmdOption; // OK
    QPushButton* cmdCancel;

    void Form_Load();
    void chkHoliday_Click();
    void chkMarkup_Click();
    void cmdOption_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void clearRateOptions();
    bool m_loaded = false;
};
