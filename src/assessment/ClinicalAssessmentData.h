#pragma once
// The clinical assessment's look-ups and prices, as plain functions over the connection.
#include <QString>

class Connection;
class Recordset;

// Columns of a row of the clinical assessment's entry grid (all cells are text).
namespace ClinicalRow {
enum {
    Number = 0,
    Dept = 1,
    ItemCode = 2,
    Description = 3,
    Qty = 4,
    UnitPrice = 5,
    Amount = 6,
    Location = 7,   // stock location of a stock item
    Spare = 8,      // emptied by the item entry, read by nothing
    PSIMark = 11,   // "1" on an oxygen row read in PSI, else "0"
    InitialReading = 12,
    LastReading = 13,
    TankNumber = 14,
    Specimen = 15,
    Remarks = 16,
    ColumnCount = 17,
};
}

// A number as the grid keeps it: plain decimal text of up to 15 significant digits (130, 32.5).
QString ClinicalNumberText(double value);
// The leading number of a cell ("12abc" 12, "" and "abc" 0).
double ClinicalCellNumber(const QString& text);
// Whether a cell reads as a number as a whole (an empty or non-numeric cell does not).
bool ClinicalCellIsNumber(const QString& text);

// The stat or holiday amount: P × Q plus 30 % of one unit price, added once (P 100, Q 2: 230).
double ClinicalStatAmount(double unitPrice, double quantity);
// The amount of a PSI oxygen row: the unit price is per 100 PSI from 100 PSI on (250 PSI: 2.5 unit
// prices); below 100 PSI, one unit price.
double ClinicalPSIAmount(double unitPrice, double consumedPSI);
// The stat surcharge on a PSI row: its own PSI amount plus 30 % of one unit price.
double ClinicalPSIStatAmount(double psiAmount, double unitPrice);

// The rate class letter of the window's patient: "A" for an out-patient case, else the room's
// class ("" when it has none). A failed look-up throws.
QString ClinicalRateClass(Connection& c, const QString& idNum, const QString& room);
// The professional fee of a laboratory exam for the patient's class; 0 when there is none, and 0
// (the error passed over) when the look-up fails.
double ClinicalPFAmountByClass(Connection& c, const QString& idNum, const QString& room, const QString& itemCode);

// The clinical assessment lines of the admission, in the list's columns.
Recordset ClinicalAssessmentStatus(Connection& c, const QString& idNum);
