#pragma once
// The posting of a charging save: every complete row of the entry grid charged to one account
// under one new charge slip number, all in one transaction with one server time. Nothing is left
// behind by a save that fails, and no number is used up by it.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Connection;

// A row of a package item panel as the save posts it: an item used under a consigned package or
// included with an equipment charge, issued from its stock location without a bill of its own.
struct PanelItemLine {
    QString dept, item, description;
    double quantity = 0, amount = 0;
    QString location; // the stock location of the item's department
};

struct ChargeSaveInput {
    // The account and where it is charged from: the window's own header, never the lists' choice.
    QString hospNum, idNum, room, stationCode;
    QString patientType;              // "I" or "O"
    QString userId;                   // the validated user
    QString doctorId, doctorName;     // the requesting doctor; both may be empty
    QString rateOption;               // "R" Regular, "V" Over Time, "O" On-Call, "" none
    QString counterStation;           // the station whose slip counter is used
    QString slipMask;                 // the station's number mask for slip numbers ("" none)
    QList<QStringList> rows;          // the complete rows in grid order, cells by grid column
    // The used items of the consigned package and the items included with equipment: posted once,
    // with the first row of a consigned package or of an equipment package.
    QList<PanelItemLine> ConsignedItems, IncludedItems;
    // Late charges of a discharged, billed account (the receivable update): every row is charged
    // as it stands (a package's rows too, each with its own amount), and the account's late-charge
    // flag is cleared. A medicine or supply goes on the bill under its department in either mode.
    bool lateCharges = false;
    // Posted after the rows, inside the save's transaction, with the save's slip and time.
    std::function<void(Connection&, const QString& slip, const QDateTime& at)> AfterRows;
};

struct ChargeSaveResult {
    QString slipNumber;   // "" when no row was posted
    QDateTime serverDate; // the time of every posting of the save
    // Whether the panel items were posted (their panel then starts afresh).
    bool consignedPosted = false, includedPosted = false;
};

// Whether a department is the one a station parameter names; an empty parameter names none.
bool IsStationDepartment(const QString& department, const QString& parameter);

// The refusal of a pharmacy row without a dosage while the station asks for dosages, naming the
// row's own item (the catalogue's name, else the description); "" when the row may be posted.
// A failed look-up reaches the caller.
QString DosageRefusal(Connection& c, const QString& dept, const QString& itemCode, const QString& location,
                      const QString& description, const QString& dosageID);

// Posts the rows (none: nothing is taken or written). Errors reach the caller after the
// transaction has been rolled back; MissingSlipCounter when the station has no slip counter.
ChargeSaveResult SaveChargeRows(Connection& c, const ChargeSaveInput& in);
