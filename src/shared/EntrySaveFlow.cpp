#include "shared/EntrySaveFlow.h"

#include "platform/ui/MessageBox.h"
#include "shared/modGlobalsRoutines.h"

#include <QWidget>

namespace {
// The questions and checks before the posting; false stops the save.
bool entryChecksPass(const EntrySaveFlow& f)
{
    if (f.isBlank && f.isBlank()) {
        MsgBox(f.blank.text, f.blank.style, f.blank.title);
        if (f.focusWhenBlank) f.focusWhenBlank->setFocus();
        return false;
    }
    if (f.rowsPass && !f.rowsPass()) return false;
    if (!f.confirm.text.isEmpty() && MsgBox(f.confirm.text, vbYesNo | f.confirm.style, f.confirm.title) != vbYes) return false;
    if (f.doctorFirst && f.askDoctor && !f.askDoctor()) return false;
    if (f.validate && !f.validate()) return false;
    if (!f.doctorFirst && f.askDoctor && !f.askDoctor()) return false;
    return true;
}

void printAfterCommit(const EntrySaveFlow& f)
{
    if (!f.print) return;
    try {
        f.print();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
} // namespace

bool RunEntrySave(const EntrySaveFlow& f)
{
    try {
        if (!entryChecksPass(f)) return false;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    bool goOn = false;
    if (f.saveButton) f.saveButton->setEnabled(false);
    try {
        goOn = f.post();
    } catch (const std::exception& e) {
        if (f.saveButton) f.saveButton->setEnabled(true);
        if (f.postFailed) f.postFailed(e);
        else ShowErrorNotice(e);
        return false;
    }
    if (f.saveButton) f.saveButton->setEnabled(true);
    if (!goOn) return true;
    if (f.printBeforeReload) printAfterCommit(f);
    if (f.reload) f.reload();
    if (!f.printBeforeReload) printAfterCommit(f);
    if (f.finish) f.finish();
    return true;
}
