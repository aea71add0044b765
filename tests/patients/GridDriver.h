#pragma once
// Drives a patient grid the way a user does: clicks, double-clicks and keys on its rows.
#include "patients/PatientGrid.h"

#include <QAbstractItemModel>
#include <QTest>

namespace GridDriver {
inline QPoint rowPoint(PatientGrid* grid, int row)
{
    return grid->visualRect(grid->model()->index(row - 1, 1)).center();
}
inline void clickRow(PatientGrid* grid, int row)
{
    grid->scrollTo(grid->model()->index(row - 1, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowPoint(grid, row));
}
inline void doubleClickRow(PatientGrid* grid, int row)
{
    clickRow(grid, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rowPoint(grid, row));
}
inline void rightClickRow(PatientGrid* grid, int row)
{
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, rowPoint(grid, row));
}
// The row whose column has that text (0 when none).
inline int rowOf(const PatientGrid* grid, const QString& text, int column = 2)
{
    for (int r = 1; r < grid->Rows(); ++r)
        if (grid->TextMatrix(r, column) == text) return r;
    return 0;
}
}
