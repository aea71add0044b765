#include "ordering/PickList.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace PickList {
namespace {
enum Role : int { SectionRole = Qt::UserRole + 1, CodeRole, LabSectionRole, DescriptionRole };

QString padded(const QString& description)
{
    return description + QString(qMax(0, 45 - int(description.size())) + 5, QLatin1Char(' '));
}

QString codeField(const QString& code)
{
    return QString(qMax(0, 4 - int(code.size())), QLatin1Char(' ')) + code;
}
} // namespace

QString NormalisedDescription(const QString& stored)
{
    const QString s = stored.isNull() ? QStringLiteral(" ") : stored;
    if (s.isEmpty()) return s;
    return (s.left(1).toUpper() + s.mid(1, 44).toLower()).trimmed();
}

Entry LabEntry(const QString& description, const QString& sectionCode, const QString& code)
{
    const QString desc = NormalisedDescription(description);
    const QString trimmed = sectionCode.trimmed();
    const QString field = trimmed.size() < 3 ? trimmed.leftJustified(3, QLatin1Char(' ')) : sectionCode;
    return {padded(desc) + QStringLiteral("LB") + field + codeField(code), QStringLiteral("LB"), code.trimmed(), trimmed, desc};
}

Entry SectionEntry(const QString& description, const QString& sectionText, const QString& code)
{
    const QString desc = NormalisedDescription(description);
    return {padded(desc) + sectionText + codeField(code), sectionText.trimmed(), code.trimmed(), QString(), desc};
}

Entry OtherSectionEntry(const QString& itemName, const QString& revenueId)
{
    return {itemName.trimmed() + QString(100, QLatin1Char(' ')) + revenueId.trimmed(), revenueId.trimmed(), QString(), QString(),
            itemName.trimmed()};
}

void SetUp(QListWidget* list)
{
    list->clear();
    list->setSortingEnabled(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

void Add(QListWidget* list, const Entry& e)
{
    auto* item = new QListWidgetItem(e.text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(SectionRole, e.section);
    item->setData(CodeRole, e.code);
    item->setData(LabSectionRole, e.labSection);
    item->setData(DescriptionRole, e.description);
    const QSignalBlocker block(list);
    list->addItem(item);
}

Entry EntryOf(const QListWidgetItem* item)
{
    if (!item) return {};
    return {item->text(), item->data(SectionRole).toString(), item->data(CodeRole).toString(),
            item->data(LabSectionRole).toString(), item->data(DescriptionRole).toString()};
}

bool IsTicked(const QListWidgetItem* item)
{
    return item && item->checkState() == Qt::Checked;
}

void SetTicked(QListWidgetItem* item, bool ticked)
{
    if (!item) return;
    QListWidget* list = item->listWidget();
    const QSignalBlocker block(list);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QListWidgetItem* Find(QListWidget* list, const QString& section, const QString& code)
{
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        if (item->data(SectionRole).toString() == section && item->data(CodeRole).toString() == code) return item;
    }
    return nullptr;
}

} // namespace PickList
