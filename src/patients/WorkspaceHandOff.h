#pragma once
#include <QString>

// Hands a patient to the procedures workspace: every hand-off marks all eleven lazily loaded pages
// stale (no page may show the previous patient's results), writes the hospital number and then the
// admission number into the workspace, selects a tab and shows it.
namespace WorkspaceHandOff {
// The double-click road: tab 0, the workspace shown before and after the tab is chosen.
void OpenFromList(const QString& hospNum, const QString& idNum);
// The road of the action labels: the given tab, then the workspace shown.
void OpenOnTab(const QString& hospNum, const QString& idNum, int tab);
}
