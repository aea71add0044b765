#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// The laboratory result viewer's window: the patient, then one row per result of the charge slip.
class frmLabResultViewer : public QDialog {
    Q_OBJECT
public:
    explicit frmLabResultViewer(QWidget* parent = nullptr);
    QLabel* lblPatient = nullptr;
    QLabel* lblSlip = nullptr;
    QTableWidget* grdResults = nullptr;
    QPushButton* cmdClose = nullptr;
};
