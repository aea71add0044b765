#pragma once
// Parts that the entry windows (charging, receivable update) build alike: the read-only patient
// header boxes under a frame, and the department list that a typed department code must be in.
#include <QList>
#include <QString>

class QGridLayout;
class QLineEdit;
class QTreeWidget;
class QWidget;

struct HeaderBoxSpec {
    QLineEdit** box;
    const char* name;    // object name
    QString caption;     // label left of the box
};

// Creates the boxes (read-only, named) in the frame's grid, four to a line, each right of its label.
void AddPatientHeaderBoxes(QGridLayout* layout, QWidget* frame, const QList<HeaderBoxSpec>& boxes);

// True when the trimmed code is the trimmed "Code" column of one of the list's items (letter case
// counts); an empty code never is.
bool DepartmentListed(const QTreeWidget* list, const QString& code);
