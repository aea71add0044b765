#pragma once
#include <QDialog>
#include <QString>

class FlexGrid;
class QGroupBox;
class QPushButton;
class QTextEdit;

// A small stand-alone list of a patient's x-ray, ultrasound or CT results (section "XR", "US",
// "CT"; any other lists nothing) with the interpretation of the clicked row. The program does not
// open it: the workspace's results tab is where these results are read.
class frmXray : public QDialog {
    Q_OBJECT
public:
    explicit frmXray(const QString& hospNum = {}, const QString& sectionCode = {}, QWidget* parent = nullptr);

    QGroupBox *fraXrayList = nullptr, *fraXray = nullptr;
    FlexGrid* mshflexXray = nullptr;
    QTextEdit* txtXrayInterp = nullptr;
    QPushButton* cmdOption[2] = {}; // "&Print" (hidden), "&Exit"

    void Form_Load();
    void mshflexXray_Click();
    void cmdOption_Click(int index);

private:
    QString m_hospNum, m_sectionCode;
};
