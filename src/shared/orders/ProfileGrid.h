#pragma once

class FlexGrid;

// A profile grid lists, one ProfileRow per row, the member exams of every laboratory profile on
// order. Row 0 is the header; an empty grid keeps one blank data row.
namespace ProfileRow {
enum Column : int { ExamID = 1, ExamName = 2, ProfileID = 3, ProfileName = 4 };
}

// Lays a profile grid out the way the workspace and the request entry both do: 2 rows,
// 5 columns, the header, widths 1, 700, 2000, 700 and 2000 twips.
void SetUpProfileGrid(FlexGrid& grid);
