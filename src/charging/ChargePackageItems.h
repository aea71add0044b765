#pragma once
// The items used under a package charge: the panel items a save issues from stock, and the lists
// of used items that the revocation of a package, consigned package or equipment charge returns
// (ChargeRevocation::RevokePackage, RevokeConsignedItems, RevokeIncludedItems).
#include <QDateTime>
#include <QList>
#include <QString>

class Connection;
struct PanelItemLine;

enum class PanelKind { Consigned, Included };

// Where and when a save issues panel items: its slip, validated user, the window's room and
// patient type, and the save's one server time.
struct PanelPosting {
    QString slip, userId, room, patientType;
    QDateTime when;
};

// "CS" for a location whose inventory type is "C", else "PH". Failures reach the caller.
QString StockSectionOf(Connection& c, const QString& location);

// Issues every item from its location under the slip (a stock-card line on no account and of no
// amount) and records it as used under the charge, for the revocation to return. Errors reach
// the caller, inside whose transaction this runs.
void PostPanelItems(Connection& c, PanelKind kind, const QList<PanelItemLine>& items, const PanelPosting& at);

// An item used under a charge, as the used-items procedures list it.
struct UsedItem {
    QString usedID, revenue, item, description;
    double quantity = 0, amount = 0;
    QString sequenceNo; // the item's line in the department's log book ("" for panel items)
    QString location;   // the location the save issued it from; "" when it was no stock item
};

// CLINICAL_AREA..Get_PackageUsedItems, Get_UsedConsignedItems and Get_UsedEquipmentItems.
QList<UsedItem> LoadPackageUsedItems(Connection& c, const QString& idNum, const QString& slip, const QString& packageItem);
QList<UsedItem> LoadUsedConsignedItems(Connection& c, const QString& slip);
QList<UsedItem> LoadUsedIncludedItems(Connection& c, const QString& slip);
