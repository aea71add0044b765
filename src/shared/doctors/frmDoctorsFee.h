#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <QString>

class FlexGrid;
class QGroupBox;
class QLabel;

// The professional-fee picker: lists the fee items of one doctor (description and amount) and hands
// back the amount of the item picked. Shared by every window that charges a doctor's fee. Callers
// set DoctorCode and DoctorName, ask SearchRecord, and only when it is True call ShowModal and read
// SelectedDoctorFee. Each showing starts with no answer; a close by the frame (Esc included) is a
// cancel: ShowModal answers False and SelectedDoctorFee stays 0.
class frmDoctorsFee : public QDialog, public KeptDialog<frmDoctorsFee> {
    Q_OBJECT
public:
    QString DoctorCode;
    QString DoctorName;
    double SelectedDoctorFee = 0; // the amount picked in the last showing; 0 without a pick
    bool FeePicked = false;       // an item was picked in the last showing

    // True when the doctor has fee items that count. A database error reaches the caller.
    bool SearchRecord();
    // Empties the answer, loads the list (an error reaches the caller, nothing shown) and shows the
    // picker modally. True when an item was picked.
    bool ShowModal();

    QLabel* lblDoctor;
    FlexGrid* mshFlexDoctorsFee;
    QGroupBox* fraMessage;
    QLabel* lblMsg;

    void LoadDoctorFees();
    void mshFlexDoctorsFee_DblClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class KeptDialog<frmDoctorsFee>;
    frmDoctorsFee();
};
