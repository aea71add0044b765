#pragma once
#include <functional>

class QLineEdit;
class QTextEdit;
class QWidget;

// What the shared routines reach of the procedures workspace (frmFinal): its caption, its
// admission-number box and its clinical summary box. The workspace sits above the shared module,
// so it registers how it is loaded (frmFinal::instance()) and the routines load it through here.
namespace WorkspaceLink {
struct Controls {
    QWidget* window = nullptr;      // the caption is its window title
    QLineEdit* txtID = nullptr;     // admission number of the open patient
    QTextEdit* rtbClinical = nullptr;
};
using Loader = std::function<Controls()>;
// The workspace registers itself; an empty loader takes it away again (tests).
void setLoader(Loader loader);
bool available();
// The workspace's controls, loading the window when it is not loaded. Throws DbError when the
// program has no workspace.
Controls workspace();
}
