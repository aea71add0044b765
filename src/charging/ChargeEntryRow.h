#pragma once
// The columns of a charge row of the charging entry grid (all cells are text).
namespace ChargeEntryRow {
enum Column {
    Number = 0,
    Dept = 1,
    ItemCode = 2,
    Description = 3,
    Qty = 4,
    UnitPrice = 5,
    Amount = 6,
    Location = 7,      // stock location of an inventory item
    ARCode = 8,        // receivable code of the department
    RequestNum = 9,    // always empty in this window
    BasePrice = 10,    // the unit price before over-time, on-call, mark-up and international factors
    PackageCode = 15,  // a non-empty code makes the row a package row
    PackageAmount = 16,
    PackageQty = 17,   // quantity of the item that the package includes
    DosageID = 18,
    FixRate = 20,      // "N": the unit price may be edited
    ColumnCount = 21,
};
}
