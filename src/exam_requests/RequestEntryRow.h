#pragma once

// One data row of the exam request entry's grid: where each cell stands. Columns 1 to 7 are
// typed or shown; 8 to 13 hold the remarks dialog's answers; 14 and 15 are the row's own unit
// price and largest quantity, kept so that a changed quantity is priced from the unit price and
// the quantity column opens only for exams that take one. Accept copies 1 to 7 into the orders
// grid's columns 2 to 8 and 8 to 13 into its columns 12 to 17.
namespace RequestEntryRow {
enum Column : int {
    Code = 1,
    Description = 2,
    Qty = 3,
    Amount = 4,
    Section = 5,
    Stat = 6,
    Remarks = 7,
    Specimen = 8,
    Transplant = 9,
    Dialysis = 10,
    AMPickUp = 11,
    PortableMachine = 12,
    ReasonOfProcedure = 13,
    UnitPrice = 14,
    MaxQty = 15,
};
constexpr int ColumnCount = 16;
}
