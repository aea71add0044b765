#pragma once
#include "patients/PatientListWindow.h"
#include "platform/ui/WindowRegistry.h"

class QRadioButton;

// The general patient list ("Patient List"): the station's in-patients or out-patients. While the
// station registers its own cases (EnableCathLabRegistration) it is the picker of an admission to
// register: its second button opens the master patient search and a double-click the registration.
class frmSearch : public PatientListWindow, public SingleWindow<frmSearch> {
    Q_OBJECT
public:
    frmSearch();

    QFrame* Frame2;
    QLabel* Label2;                 // "Patient Type"
    QRadioButton* optPatientType[2]; // "In Patient", "Out Patient"
    QLabel* Image1[2];
    QFrame* Line3[2];
    QLabel* lblProcedures[3];       // the hand-off labels of the "Clinical Procedures" panel

    void Form_Load();
    void LoadPatientList();
    void optPatientType_Click();
    void Command2_Click() override;
    void MSHFlexList_Click() override;
    void MSHFlexList_DblClick() override;
    void MSHFlexList_MouseDownRight(const QPoint& globalPos, int rowUnderPointer) override;
    void lblProcedures_Click(int index);
    void lblProcedures_MouseMove(int index);

protected:
    void loadList() override { LoadPatientList(); }
    bool printThroughFormatDialog(const QString& refNum) override;
    QWidget* panelFrame() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool registrationMode();
};
