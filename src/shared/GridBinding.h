#pragma once

class FlexGrid;
class Recordset;

// Makes the rows the grid's data: one fixed row headed by the field names, the fields in grid
// columns 1 onward after the blank fixed column 0, one grid row per record. The widths already
// set stay for the columns the grid keeps.
void BindRecordset(FlexGrid* grid, const Recordset& rows);

// The same, under the headings the grid's layout gave: the columns the layout had keep their
// headings, the further columns of the rows get none. Returns the number of layout columns.
int BindRecordsetUnderLayout(FlexGrid* grid, const Recordset& rows);
