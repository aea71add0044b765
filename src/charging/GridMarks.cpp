#include "charging/GridMarks.h"

#include "platform/ui/FlexGrid.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QStyle>

QIcon IncludedItemMark() { return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton); }
QIcon ExcludedItemMark() { return QApplication::style()->standardIcon(QStyle::SP_DialogCancelButton); }

void AddItemMarkLegend(QBoxLayout* layout, QWidget* parent, const QString& included, const QString& excluded)
{
    for (const auto& [icon, text] : {std::pair{IncludedItemMark(), included}, std::pair{ExcludedItemMark(), excluded}}) {
        auto* picture = new QLabel(parent);
        picture->setPixmap(icon.pixmap(16, 16));
        layout->addWidget(picture);
        layout->addWidget(new QLabel(text, parent));
    }
}

QTableWidgetItem* GridCell(FlexGrid& grid, int row, int col)
{
    if (!grid.item(row, col)) grid.setTextMatrix(row, col, grid.TextMatrix(row, col));
    return grid.item(row, col);
}
