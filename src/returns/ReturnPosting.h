#pragma once
// Posting a return of issued medicines or supplies under one credit memo, and the staging and
// print of its slip. Every line is checked against what is still issued before anything is
// written; then one transaction takes the credit memo number and writes the stock card, the log
// book, the communication file, the billing adjustment and credit, the remarks and the staged
// slip lines; the slip prints after the commit.
#include <QDateTime>
#include <QList>
#include <QString>
#include <stdexcept>

class Connection;
struct DrugItem;

namespace ReturnPosting {

// One line returned: as the returns window's complete row holds it.
struct Line {
    QString chargeSlip, itemID, description, issued, returned, amount, remarks;
};

// The return as the window hands it over: its own patient, the acting (validated) user, the
// supervisor (empty without that step), the reason, the station and the server's time.
struct Return {
    bool supplies = false;
    QString hospNum, idNum, doctor, room;
    QString userID, supervisorID, reason, stationID;
    bool noDirectReturn = false; // only the communication file is written; no slip
    QDateTime when;
    QList<Line> lines;
};

// A line the check refuses: nothing was written.
struct Refused : std::runtime_error {
    Refused(const QString& text, int index) : std::runtime_error(text.toStdString()), message(text), line(index) {}
    QString message;
    int line; // index into Return::lines
};

// "PC" and "20" for medicines, "CC" and "21" for supplies.
QString RevenueCode(bool supplies);
QString Location(bool supplies);

// The credit memo's description of an item: generic name, description and name in brackets, or
// name and description; a regulated item (classification "I") gets its classification added.
QString SlipDescription(const DrugItem& item);

// Posts the return in one transaction and gives the credit memo number it took. A line above what
// is still issued on its slip (or not above 0) is Refused before anything is written; any failure
// rolls everything back and reaches the caller.
QString Post(Connection& c, const Return& r);

// What the slip of a credit memo needs besides its staged lines.
struct SlipPeople {
    bool found = false; // the memo has lines
    QString dispenser, encoder;
};

// Stages the slip lines of one credit memo under the user, admission and memo (earlier staging of
// the same three removed first), from the memo's stock-card lines; items the catalogue does not
// find at the location are left out. Runs in the caller's transaction when there is one.
SlipPeople StageSlip(Connection& c, const QString& userID, const QString& idNum, const QString& cmNumber, bool supplies);

// The remarks kept with a credit memo's billing adjustment; "" when none.
QString MemoRemarks(Connection& c, const QString& cmNumber);

} // namespace ReturnPosting
