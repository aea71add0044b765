#include "shared/EntryWindowParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

void AddPatientHeaderBoxes(QGridLayout* layout, QWidget* frame, const QList<HeaderBoxSpec>& boxes)
{
    int i = 0;
    for (const HeaderBoxSpec& b : boxes) {
        *b.box = new QLineEdit(frame);
        (*b.box)->setObjectName(QString::fromLatin1(b.name));
        (*b.box)->setReadOnly(true);
        layout->addWidget(new QLabel(b.caption, frame), i / 4, (i % 4) * 2);
        layout->addWidget(*b.box, i / 4, (i % 4) * 2 + 1);
        ++i;
    }
}

bool DepartmentListed(const QTreeWidget* list, const QString& code)
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty()) return false;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (wanted == list->topLevelItem(i)->text(0).trimmed()) return true;
    return false;
}
