#pragma once
#include "medication_requests/RequestPatient.h"

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

// The pharmacy and supplies menu: the revenue "PH" (medicines) or anything else (supplies) decides
// what its buttons open. The request entry, the posting of returned items and the reprint of
// request forms; in pharmacy mode the account gates run before the request entry opens.
class frmPharmacyRequest : public QDialog {
    Q_OBJECT
public:
    frmPharmacyRequest(const QString& revenue, const RequestPatient& patient, QWidget* parent = nullptr);

    QLabel* lblPharmacy = nullptr;
    // 0 "Transcription Request Entry" (hidden and disabled), 1 "Charge Request Entry",
    // 3 "Post Returned ...", 2 "Exit", 4 "Reprint Request Forms".
    std::array<QPushButton*, 5> cmdRequest{};
    RequestPatient Patient;

    // The workspace's central-supply gate, which opens the supply entry when the account allows it.
    std::function<void()> CentralSupplyGate;

    void Form_Activate();
    void cmdRequest_Click(int index);

protected:
    // Every showing re-reads the settings; so does the return from each window it opens.
    void showEvent(QShowEvent* e) override;

private:
    bool pharmacyGatesPass();
    QString m_revenue;
};
