#pragma once
#include <QDialog>

class FlexGrid;
class QGroupBox;
class QPushButton;
class QTextEdit;

// A small stand-alone list of the selected patient's x-ray, ultrasound or CT results
// (ImagingSectionCode "XR", "US", "CT") with the interpretation of the clicked row. The program
// does not open it: the workspace's results tab is where these results are read.
class frmXray : public QDialog {
    Q_OBJECT
public:
    explicit frmXray(QWidget* parent = nullptr);

    QGroupBox *fraXrayList = nullptr, *fraXray = nullptr;
    FlexGrid* mshflexXray = nullptr;
    QTextEdit* txtXrayInterp = nullptr;
    QPushButton* cmdOption[2] = {}; // "&Print" (hidden), "&Exit"

    void Form_Load();
    void mshflexXray_Click();
    void cmdOption_Click(int index);
};
