#pragma once
class QFont;

// The pick lists' font: fixed pitch, so that the codes written after the names line up.
QFont FixedPitchListFont(double points = 9.75);
