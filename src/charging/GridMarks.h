#pragma once
// The two marks the charging dialogs put on item rows (an item in, an item out), their legend, and
// a grid cell that exists before it is styled.
class FlexGrid;
class QBoxLayout;
class QIcon;
class QString;
class QTableWidgetItem;
class QWidget;

QIcon IncludedItemMark();
QIcon ExcludedItemMark();
// Adds the two marks with their captions to the layout.
void AddItemMarkLegend(QBoxLayout* layout, QWidget* parent, const QString& included, const QString& excluded);
// The cell's item, made (with the text it shows) when the cell has none yet.
QTableWidgetItem* GridCell(FlexGrid& grid, int row, int col);
