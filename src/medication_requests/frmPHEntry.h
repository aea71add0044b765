#pragma once
#include "medication_requests/RequestEntryWindow.h"

// "Pharmacy Request Entry": the medicines requested from pharmacy for the workspace's patient,
// one row per medicine (code by brand or generic, typed or picked; dosage, quantity, remarks,
// STAT), saved to the ward's log book and printed on the request form.
class frmPHEntry : public RequestEntryWindow {
    Q_OBJECT
public:
    explicit frmPHEntry(const RequestPatient& patient, QWidget* parent = nullptr);

    // The key handler of the entry box: Enter commits the typed value of the column.
    bool EnterPharmacyItem(int key);
    // Earlier medicines not yet administered (after its own message).
    bool CheckUnadministeredMedicines(const QString& code);
    void ShowHighAlertWarning(const QString& code);

protected:
    void EnterCode(int row) override;
    bool EnterDosage(int row) override;

private:
    bool pnfAllows(const QString& code);
};
