#pragma once
#include <QIcon>

// The pictures of the nurse reports list, chosen by the row's position: rows 1, 2 and 5 their
// own picture, row 3 "Home" over "Run", row 4 "Document" over "Cash", rows 6 to 9 the picture one
// higher ("Medicine" to "Notice"); rows from 10 on have none (a null icon).
QIcon ReportListPicture(int dataRow);
