#pragma once
class QWidget;

// Passes every key typed into the box through the key-press filter component's upper-casing, as
// the station's boxes do.
void UpperCaseKeys(QWidget* box);
