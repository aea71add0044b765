#pragma once
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class FlexGrid;
class QVariant;
class Recordset;

// A results list's layout: its columns (the blank fixed column 0 included), the format string of
// its headers, the width step of each column from 1 on (twips, added to column 0's one twip) and
// the field that fills each column from 1 on (empty: the column is left empty).
struct ResultGridLayout {
    int cols = 0;
    QString format;
    QList<int> widthSteps;
    QStringList fields;
};

namespace ResultGrids {
// Imaging, nuclear, pulmonary, MRI and centre for women: the request number under `numberField`;
// `withMiddleName` false leaves column 7 empty, as the x-ray, MRI and centre-for-women lists do.
ResultGridLayout LayoutA(const QString& numberField, bool withMiddleName);
ResultGridLayout LayoutB(); // heart station
ResultGridLayout LayoutC(); // physical therapy
ResultGridLayout LayoutD(); // neurology
ResultGridLayout LabList();  // laboratory

// Clears the grid and lays it out: the header row and one blank data row.
void Reset(FlexGrid& grid, const ResultGridLayout& layout);
// Writes the records in order: the first into the blank row 1, each further one into a row appended
// at the bottom. A null gives an empty cell. Returns the number of records written.
int Fill(FlexGrid& grid, const ResultGridLayout& layout, const Recordset& rs);

// A cell's text: date-times in the general date form ("mm/dd/yyyy", with "hh:mm:ss AM/PM" when the
// time is not midnight), numbers and texts as they are, null as "".
QString CellText(const QVariant& v);

// The background of a laboratory list row by its section name (trimmed, exact); invalid for a
// section that has no colour.
QColor LabSectionColour(const QString& sectionName);

// The doctor as the result boxes and prints join the names: last, " , ", first, " ", middle.
QString DoctorName(const QString& last, const QString& first, const QString& middle);
}
