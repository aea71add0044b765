#pragma once
#include "patients/PatientListWindow.h"
#include "platform/ui/WindowRegistry.h"

// The department case list ("Cathlab Patients"): the cases registered with the department, and
// the case actions (for admission, discharge from the department, edit and new registration,
// revoke).
class frmCathPatients : public PatientListWindow, public SingleWindow<frmCathPatients> {
    Q_OBJECT
public:
    frmCathPatients();

    QLabel *lblAdmit, *lblDischarge, *lblEdit, *lblRegister, *lblRevoke;
    QFrame *Shape3, *Shape4, *Shape5, *Shape6, *Shape7;   // backing shapes of the labels

    void Form_Load();
    void SetupPatientGrid();
    void LoadCathLabPatientList();
    void MSHFlexList_Click() override;
    void MSHFlexList_DblClick() override;
    void MSHFlexList_MouseDownRight(const QPoint& globalPos, int rowUnderPointer) override;

    void lblAdmit_Click();
    void lblDischarge_Click();
    void lblEdit_Click();
    void lblRegister_Click();
    void lblRevoke_Click();
    // All five backing shapes back to their normal colour.
    void ResetShapes();
    qint64 ShapeColour(const QFrame* shape) const;

protected:
    void loadList() override { LoadCathLabPatientList(); }
    void beforeSearch() override { ResetShapes(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setShapeColour(QFrame* shape, qint64 colour);
    // The case of the current row, taken once when an action starts: the action asks about, checks
    // and writes that case only, whatever another list selects meanwhile.
    struct CaseRow {
        QString hospNum, idNum, name;   // columns 1 to 3
    };
    CaseRow currentCase() const;
    QList<QPair<QLabel*, QFrame*>> m_actions;
};
