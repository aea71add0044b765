#pragma once
#include "patients/PatientListCommon.h"
#include <QDialog>
#include <QPointer>

class PatientGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The patient picker ("Patient List"): the station's in-patients or out-patients, shown modally
// by another window, which reads the chosen patient from PickedHospNum, PickedIDNum and
// PickedPatientName when it returns. It opens afresh at every showing; the window object is made
// once.
class frmSearchCurrent : public QDialog, public PatientListCommon::SearchPanel {
    Q_OBJECT
public:
    static frmSearchCurrent* instance();
    // Closed by its frame or Escape: cancelled, whatever row the list showed highlighted.
    void reject() override;

    QFrame* Frame1;
    QFrame* Frame2;
    QLabel* Label2;
    QRadioButton* optPatientType[2];
    QWidget* Picture1;
    QLabel* Label6;
    QPushButton* cmdSearch;      // "&Search"
    QPushButton* cmdClose;       // "&Close"
    PatientGrid* MSHFlexList;

    void Form_Load();
    void Form_Activate();
    void cmdSearch_Click();
    void cmdClose_Click();
    void LoadPatientList();
    void MSHFlexList_RowColChange();
    void MSHFlexList_Click();
    void MSHFlexList_DblClick();
    void Form_Resize();

    // Wheel scrolling of the window's grids.
    void MouseWheelSetup();
    void MousewheelUnload();
    void MouseWheel(long mouseKeys, long rotation, long x, long y);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    frmSearchCurrent();
    void ColourPatientRows();
    static inline QPointer<frmSearchCurrent> s_instance;
};
