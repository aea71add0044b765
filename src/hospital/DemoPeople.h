#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The demo hospital's station users (the README lists them with their access codes).
struct DemoUser {
    QString id, lastName, firstName, middleName, initial, department, position;
    QString accessCode;     // as typed; stored enciphered
    QStringList stations;   // departments the user may act for
    QString rights;         // rights text; a null text means no row
};

namespace DemoPeople {
QList<DemoUser> users();
// The rights items the user-rights window offers: (ItemID, Description).
QList<QPair<QString, QString>> rightItems();
}
