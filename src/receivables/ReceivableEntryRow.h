#pragma once
// One row of the receivable update's entry grid, as the save and the package items take it: the
// cells as the user and the item entry left them (text, untrimmed), plus the grid row it came from
// so that a refusal can name the row. The window collects the complete rows in grid order
// (frmRecievable::CollectEntryRows); a row the grid holds but that is not complete is not collected.
#include <QList>
#include <QString>

struct ReceivableEntryRow {
    // Where each cell stands in the grid.
    enum Column : int {
        Number = 0,
        Dept = 1,          // revenue (department) code
        ItemCode = 2,      // item, doctor or service code
        Description = 3,
        Qty = 4,
        UnitPrice = 5,
        Amount = 6,
        Location = 7,      // stock location of a medicine or supply; blank for services
        ARCode = 8,        // receivable code of the department
        BasePrice = 10,    // the catalogue unit price, before mark-up or a typed price
        PSIMark = 11,      // "1" for an oxygen row read in PSI, "0" otherwise
        InitialReading = 12,
        LastReading = 13,
        TankNumber = 14,
        PackageCode = 15,  // non-blank: the row came from a package
        PackageValue = 16, // the further value of the package from the package list
        PackageQty = 17,   // the item's quantity in the package
        DosageID = 18,     // dosage code of a medicine
        ColumnCount = 21,
    };

    int gridRow = 0; // 1-based entry row of the grid

    QString dept, itemCode, description, qty, unitPrice, amount, location, arCode, basePrice;
    QString psiMark, initialReading, lastReading, tankNumber;
    QString packageCode, packageValue, packageQty, dosageId;

    // A stock row (medicine or supply) posts a stock card line; any other row a charge line.
    bool isStock() const { return !location.trimmed().isEmpty(); }
    bool isPackageRow() const { return !packageCode.trimmed().isEmpty(); }
    // An oxygen row read in PSI (department "OX", mark above 0) also posts the tank readings.
    bool isPSIOxygen() const { return dept.trimmed() == QLatin1String("OX") && psiMark.trimmed().toDouble() > 0; }
};

using ReceivableEntryRows = QList<ReceivableEntryRow>;
