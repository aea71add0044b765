#pragma once
#include "exam_requests/RequestReprintWindow.h"

// "Cathlab Requests - Reprint": finds requests to the department and prints the request form of
// the chosen one again.
class frmRequestReprint : public RequestReprintWindow {
    Q_OBJECT
public:
    explicit frmRequestReprint(QWidget* parent = nullptr);
    void cmdPrint_Click() override;
    void PrintCathlabRequestForm();

protected:
    QString formatText() const override;
    QVector<int> columnWidths() const override;
    int columnCount() const override { return 13; }
    Recordset search(const QString& letter, const QString& key) override;
};

// "NHI Census Charging Report - Reprinting": finds the department's cases and prints the census
// charging report of the chosen one again (through the census format dialog when the station asks).
class frmRequestCensusCharging : public RequestReprintWindow {
    Q_OBJECT
public:
    explicit frmRequestCensusCharging(QWidget* parent = nullptr);
    void cmdPrint_Click() override;

protected:
    QString formatText() const override;
    QVector<int> columnWidths() const override;
    int columnCount() const override { return 7; }
    Recordset search(const QString& letter, const QString& key) override;
};
