#pragma once
// The use of oxygen tanks: where the next reading of a tank starts, from its latest recorded use.
#include <QString>

class Connection;

struct OxygenTankUse {
    bool found = false;    // the tank has a recorded use for this item
    QString tankNum;       // as recorded
    double initialR = 0, lastR = 0;
    // A tank used partly: its next use starts at its last reading.
    bool partlyUsed() const { return found && lastR > 0 && initialR - lastR > 0; }
};

// The latest recorded use of the item's tank (the tank number bound as text). Errors reach the caller.
OxygenTankUse LatestTankUse(Connection& c, const QString& itemCode, const QString& tankNum);

// The consumed pressure of two readings as a whole number of PSI, a half to the even neighbour.
int ConsumedPressure(double initialReading, double lastReading);
