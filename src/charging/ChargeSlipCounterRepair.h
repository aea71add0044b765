#pragma once
// The repair of the station's charge slip counter: move it to the first number that no posted charge
// uses yet. The counter only moves forward, in one transaction with the checks, so that a save
// taking a number at the same time never gets a number twice.
#include <QString>
#include <QtGlobal>
#include <optional>

class Connection;

// "C", the number and the character U+00C3: a charge slip number as the posted charges carry it.
QString ChargeSlipCandidate(qint64 number);

// A station's counter (the next number to hand out); none when the station has no counter row.
std::optional<qint64> ReadChargeSlipCounter(Connection& c, const QString& stationID);

// Sets the counter to the first number, from `from` or from the counter when that is further on,
// whose charge slip number no posted charge uses. None (nothing changed) when the table has no row.
// A failed look-up throws and leaves the counter as it was.
std::optional<qint64> MoveChargeSlipCounterToFreeNumber(Connection& c, const QString& stationID, qint64 from);
