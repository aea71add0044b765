#pragma once
#include "medication_requests/RequestPatient.h"

#include <QDialog>

class FlexGrid;
class QPushButton;

// "REQUEST FORM REPRINTING": the patient's request transactions of one department ("PH" or "CS")
// and the requests of the chosen one; Reprint prints that transaction's form again as a duplicate.
class frmRequestReprintPHCS : public QDialog {
    Q_OBJECT
public:
    frmRequestReprintPHCS(const QString& revenue, const RequestPatient& patient, QWidget* parent = nullptr);

    FlexGrid* mshPerTransaction = nullptr;
    FlexGrid* mshDetailed = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    RequestPatient Patient;

    void LoadRequestTransactions();
    // The requests of the transaction of the list's current row.
    void LoadRequestItems();
    void cmdPrint_Click();
    void ReprintRequestForm();

private:
    QString m_revenue;
    // The transaction whose requests the detail list shows: the one a reprint prints.
    QString m_shownKey;
};
