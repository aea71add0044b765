#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "CDF": five figures of a patient's bill and fund, shown only. A caller that has them sets the
// properties before ShowModal(); the assessment windows show it with nothing set (all "0.00").
class frmCdfViewing : public QDialog {
    Q_OBJECT
public:
    explicit frmCdfViewing(QWidget* parent = nullptr);

    double HospBill = 0, TotalCDF = 0, PaidCDF = 0, CDFBalance = 0, NetHospBill = 0;

    QLineEdit *txtHospBill = nullptr, *txtTotalCDF = nullptr, *txtPaidCDF = nullptr, *txtCDFBalance = nullptr,
              *txtNetHospBill = nullptr;
    QPushButton* cmdClose = nullptr;

    void Form_Load();
    void ShowModal();

    // Two decimals, thousands grouped, a negative value in parentheses: -7 gives "(7.00)".
    static QString FigureText(double value);
};
