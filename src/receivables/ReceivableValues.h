#pragma once
// The patient of the receivable update, apart from the patient the lists select: written by the
// receivable patient search and the header load, emptied when the window opens, read by the save
// and the reprint for the charge slip.
#include <QString>

struct ReceivableState {
    QString ReceivableHospNum, ReceivableIDNum, ReceivableCompany, ReceivableMembership, ReceivableAdmType;

    void reset() { *this = ReceivableState(); }
    // Both numbers set: a patient was picked.
    bool picked() const { return !ReceivableHospNum.isEmpty() && !ReceivableIDNum.isEmpty(); }
};

extern ReceivableState Receivable;
