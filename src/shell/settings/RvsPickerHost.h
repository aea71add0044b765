#pragma once

// Gives the procedure report's RVS boxes the RVS picker and descriptions of the station settings
// (RvsPickerLink). The main window's library does it when it loads.
void InstallRvsPickerLink();
