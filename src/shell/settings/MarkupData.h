#pragma once
#include "platform/db/Recordset.h"

class Connection;

#include <QString>

// The additional mark-ups of STATION..tbCLMarkUp, as the mark-up settings and the mark-up choice
// read and write them. Errors reach the caller as DbError.
struct MarkupEntry {
    QString code;        // "NEW" for a row not yet saved
    QString value;       // as typed: a fraction for "*", an amount for "+"
    QString description;
    QString status;      // "A" or "I"
    QString operation;   // "*" or "+"
};

// Every mark-up by code: MarkupID, MarkUp, Description, Status, Operation.
Recordset LoadMarkups(Connection& c);
// The mark-ups whose description begins with the text.
Recordset SearchMarkups(Connection& c, const QString& text);
// One mark-up through Station..SearchCLMarkup (no row: empty).
Recordset FindMarkup(Connection& c, const QString& code);
// Adds ("NEW") or updates one mark-up through Station..SaveCLMarkupValues, in one transaction.
void SaveMarkup(Connection& c, const MarkupEntry& entry);
// The active mark-ups offered at charge time: [Mark-Up Type], MarkUp, Operation.
Recordset LoadActiveMarkups(Connection& c);

// A stored value as the boxes show it: "0.1", "50", "" for null.
QString MarkupValueText(const QVariant& value);
// Whether a typed value is a number the mark-up can take.
bool IsMarkupValue(const QString& text);
