#pragma once
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

// A box whose text is stored holds at most what its column holds: its maximum length is the
// column's width in the schema, less `reserved` characters the save puts in front of the text
// (the supervisor's "Allowed ", a note). Table as the statements name it ("STATION..tbX").
int ColumnRoom(const QString& houseTable, const QString& column, int reserved = 0);
void FitToColumn(QLineEdit* box, const QString& houseTable, const QString& column, int reserved = 0);
void FitToColumn(QPlainTextEdit* box, const QString& houseTable, const QString& column, int reserved = 0);
void FitToColumn(QTextEdit* box, const QString& houseTable, const QString& column, int reserved = 0);
