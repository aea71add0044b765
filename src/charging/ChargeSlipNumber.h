#pragma once
#include "platform/db/DbError.h"

#include <QString>

class Connection;

// The station has no row in its charge slip counter: the save is refused with
// "No chargeslip sequence number set for Station CL." and nothing is posted.
class MissingSlipCounter : public DbError {
public:
    explicit MissingSlipCounter(const QString& stationID);
};

// A charge slip number: "C", the counter value (laid into the station's number mask when one is
// set) and "Ã".
QString ChargeSlipNumberText(qint64 counter, const QString& mask);

// Takes the station's next charge slip number inside the caller's transaction: the counter moves
// forward atomically (two workstations never get the same number), and a number that a posting
// already uses is passed over. A failed check of a number is an error, never a free number. Any
// print lines left under the number taken are dropped.
QString TakeChargeSlipNumber(Connection& c, const QString& stationID, const QString& mask);
