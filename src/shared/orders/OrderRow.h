#pragma once

// One data row of the workspace's orders grid (mshflexOrders): where each cell stands. Row 0 is
// the header; an empty grid keeps one data row whose Dept is empty. Every writer of an order
// (the pick lists, the section pickers, the request entry) and the order save use these columns.
namespace OrderRow {
enum Column : int {
    Dept = 1,
    Code = 2,
    Description = 3,
    Qty = 4,
    Amount = 5,
    Section = 6,
    Stat = 7,
    Remarks = 8,
    List = 9,   // the pick list the exam came from (give-back on removal)
    String = 10, // that list entry's whole text
    Index = 11,  // that entry's position in its list
    Specimen = 12,
    Transplant = 13,
    Dialysis = 14,
    AMPickUp = 15,
    PortableMachine = 16,
    ReasonOfProcedure = 17,
};
constexpr int ColumnCount = 18;
}
