#pragma once
#include <QString>

class QListWidget;
class QListWidgetItem;

// The exam pick lists: sorted lists with a tick per entry. Each entry shows the fixed-position
// text the wards know (description padded to 45, the section, the code) and carries its section,
// exam code, laboratory section and description as item data, so nothing is ever cut back out of
// the text by position.
namespace PickList {

struct Entry {
    QString text;
    QString section;     // "LB", "XR", ... or, in the other-sections list, the revenue code
    QString code;        // exam code (empty in the other-sections list)
    QString labSection;  // laboratory section, trimmed
    QString description; // normalised description, or the section's name
};

// First character upper case, characters 2 to 45 lower case, the rest dropped, then trimmed.
QString NormalisedDescription(const QString& stored);
// The three entry layouts.
Entry LabEntry(const QString& description, const QString& sectionCode, const QString& code);
Entry SectionEntry(const QString& description, const QString& sectionText, const QString& code);
Entry OtherSectionEntry(const QString& itemName, const QString& revenueId);

// A sorted list of unticked check-box entries.
void SetUp(QListWidget* list);
void Add(QListWidget* list, const Entry& entry);
Entry EntryOf(const QListWidgetItem* item);
bool IsTicked(const QListWidgetItem* item);
// Ticks or unticks without raising the list's change handler.
void SetTicked(QListWidgetItem* item, bool ticked);
// The entry of that section and code, or null.
QListWidgetItem* Find(QListWidget* list, const QString& section, const QString& code);

} // namespace PickList
