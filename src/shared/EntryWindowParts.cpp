#include "shared/EntryWindowParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

void AddPatientHeaderBoxes(QGridLayout* layout, QWidget* parent, std::initializer_list<PatientHeaderBox> boxes)
{
    int i = 0;
    for (const PatientHeaderBox& b : boxes) {
        *b.box = new QLineEdit(parent);
        (*b.box)->setObjectName(QString::fromLatin1(b.name));
        (*b.box)->setReadOnly(true);
        layout->addWidget(new QLabel(QString::fromLatin1(b.caption), parent), i / 4, (i % 4) * 2);
        layout->addWidget(*b.box, i / 4, (i % 4) * 2 + 1);
        ++i;
    }
}

bool ListsDepartment(const QTreeWidget* departments, const QString& code)
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty()) return false;
    for (int i = 0; i < departments->topLevelItemCount(); ++i)
        if (wanted == departments->topLevelItem(i)->text(0).trimmed()) return true;
    return false;
}
