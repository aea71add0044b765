#pragma once
// Parts every entry window that the workspace fills is built of: the patient header boxes and the
// department list it checks a typed department against.
#include <QString>
#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QTreeWidget;
class QWidget;

struct PatientHeaderBox {
    QLineEdit** box;
    const char* name;    // the object name the workspace copies its header by
    const char* caption; // the label beside it
};

// Makes the read-only boxes with their labels, four to a line of the layout.
void AddPatientHeaderBoxes(QGridLayout* layout, QWidget* parent, std::initializer_list<PatientHeaderBox> boxes);

// Whether the trimmed code is one of the list's department codes; an empty code never is.
bool ListsDepartment(const QTreeWidget* departments, const QString& code);
