#pragma once
// The posting of late charges: every complete row of the receivable update's entry grid charged
// to the discharged account in the window's header under one new charge slip number, with the
// package stock items that go with the slip, in one transaction with one server time. A save
// that fails leaves nothing behind and uses up no number.
#include "receivables/ReceivableEntryRow.h"
#include "receivables/ReceivablePackageItems.h"

#include <QDateTime>
#include <QString>

class Connection;

struct ReceivableSaveInput {
    QString hospNum, idNum, room;   // the window's own header
    QString userId;                 // the validated user
    QString counterStation;         // the station whose slip counter is used
    QString slipMask;               // the station's number mask for slip numbers ("" none)
    ReceivableEntryRows rows;       // the complete rows, in grid order
    PackageItemRows packageItems;   // the package grid: stock items of the packages typed by code
};

struct ReceivableSaveResult {
    QString slipNumber;   // "" when no row was posted
    QDateTime serverDate; // the time of every posting of the save
};

// Checks every row before anything is posted: the first refusal (a pharmacy row without a dosage
// while the station asks for dosages, naming the row's item; an oxygen row read in PSI whose tank
// number or readings are no numbers), "" when every row may be posted. A failed look-up reaches
// the caller.
QString ReceivableRowsRefusal(Connection& c, const ReceivableEntryRows& rows);

// Posts the rows: a medicine or supply on the stock card (tagged with its package) and on the
// bill, with its slip line; any other row through STATION..Nurse_AppendCharging; the oxygen
// readings of a PSI row; the account's late-charge flag cleared; the typed packages' stock items
// issued and the items left out of a picked package recorded as unused. No rows: nothing is taken
// or written. Errors reach the caller after the rollback; MissingSlipCounter when the station has
// no slip counter.
ReceivableSaveResult SaveReceivableRows(Connection& c, const ReceivableSaveInput& in);
