#pragma once
#include <functional>

class FlexGrid;
class QLineEdit;
class QTextEdit;
class QWidget;

// What the shared routines reach of the procedures workspace: its caption, its
// admission-number box, its clinical summary box and its orders grid with the ordering's own
// removal of an order. The workspace sits above the shared module, so it registers how it is
// loaded and the routines load it through here.
namespace WorkspaceLink {
struct Controls {
    QWidget* window = nullptr;      // the caption is its window title
    QLineEdit* txtID = nullptr;     // admission number of the open patient
    QTextEdit* rtbClinical = nullptr;
    FlexGrid* orders = nullptr;     // the orders grid (OrderRow columns)
    // Takes the order of that data row off the orders grid as the workspace does: its pick-list
    // entry unticked by section and code, its profile's members gone with it.
    std::function<void(int row)> removeOrder;
};
using Loader = std::function<Controls()>;
// The workspace registers itself; a test puts its own in and gives back the one it got.
Loader setLoader(Loader loader);
bool available();
// The workspace's controls, loading the window when it is not loaded. Throws DbError when the
// program has no workspace.
Controls workspace();
}
