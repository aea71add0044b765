#pragma once
#include "medication_requests/RequestEntryWindow.h"

// "Central Supply Request Entry": the supplies requested from central supply for the workspace's
// patient, one row per supply (code typed or picked, quantity, remarks, STAT), saved to the
// ward's log book and printed on the request form.
class frmCSREntry : public RequestEntryWindow {
    Q_OBJECT
public:
    explicit frmCSREntry(const RequestPatient& patient, QWidget* parent = nullptr);

    // The key handler of the entry box: Enter commits the typed value of the column. A failure is
    // told and the window keeps its rows.
    bool EnterSupplyItem(int key);

protected:
    void EnterCode(int row) override;
};
