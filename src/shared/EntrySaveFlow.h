#pragma once
// The save of an entry window (charging, receivable update, cash and clinical assessment), its
// steps in one place: the blank check, the window's row refusals, the confirmation, the requesting
// doctor and the user validation (in the window's order), the posting in one transaction, then the
// reload and the slip after the commit. Each window gives its texts and its steps.
#include <QString>

#include <exception>
#include <functional>

class QWidget;

struct EntryNotice {
    QString text;   // empty: nothing shown (for the confirmation: none asked)
    int style = 0;  // icon; the confirmation adds Yes/No
    QString title;
};

struct EntrySaveFlow {
    // True when there is nothing to save: `blank` is shown and the focus goes to focusWhenBlank.
    std::function<bool()> isBlank;
    EntryNotice blank;
    QWidget* focusWhenBlank = nullptr;
    // Every row checked before anything is asked; the window shows its refusal and answers false.
    std::function<bool()> rowsPass;
    // Asked Yes/No before the validation; No stops.
    EntryNotice confirm;
    // The requesting doctor, before the validation when doctorFirst; false stops (a refusal that
    // depends on the doctor chosen).
    std::function<bool()> askDoctor;
    bool doctorFirst = false;
    // The acting user (ValidateUser); false: refused and given up.
    std::function<bool()> validate;
    // The posting, one transaction; true when the window goes on to reload and print. A failure
    // goes to postFailed (default: the common error notice): rolled back, the rows stay on screen.
    std::function<bool()> post;
    std::function<void(const std::exception&)> postFailed;
    QWidget* saveButton = nullptr;  // disabled while posting
    // After the commit: reload (the new grid) and print (a failure shows the error notice: the save
    // stands and the slip can be reprinted), print first when printBeforeReload; finish last.
    std::function<void()> reload;
    std::function<void()> print;
    bool printBeforeReload = false;
    std::function<void()> finish;
};

// Runs the steps; true when the posting was made. A failed look-up in a check shows the common
// error notice and stops before anything is posted.
bool RunEntrySave(const EntrySaveFlow& flow);
