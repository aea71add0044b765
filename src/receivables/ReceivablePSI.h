#pragma once
// Oxygen read in PSI: the tank-reading dialog for one row of an entry grid, and the amount the
// consumed pressure gives.
#include <QString>

class EntryGrid;

// Shows the oxygen PSI reading for the row (it fills the row's reading columns and leaves the
// consumed pressure in DialogAnswers.ConsumedPSI).
void ShowPSIReading(const QString& code, const QString& description, EntryGrid* grid, int row);

struct PSIAmount {
    double amount = 0;
    bool read = true; // false: no reading was saved (the row is then not a PSI row)
};
// Computation type 1 prices per PSI (consumed × unit); otherwise per 100 PSI from 100 PSI up, one
// unit for 1 to 99 PSI, and one unit times the quantity 1 when nothing was read.
PSIAmount OxygenPSIAmount(int computationType, int consumedPSI, double unitPrice);
