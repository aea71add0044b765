#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

// The program's loaded windows in the order they were loaded, so that shutdown can unload them
// from the last backwards. Each window class keeps at most one instance (see SingleWindow).
namespace WindowRegistry {
void add(QWidget* w);
void remove(QWidget* w);
QList<QWidget*> loaded();
// Unloads every loaded window but the first (the main window), last loaded first; a window that
// fails to close does not stop the others.
void unloadAllButFirst();
}

// The window exists at most once: instance() creates it on first use; closing deletes it, and the
// next instance() creates it afresh.
template <class T>
class SingleWindow {
public:
    static T* instance()
    {
        if (!s_instance) {
            s_instance = new T();
            s_instance->setAttribute(Qt::WA_DeleteOnClose, true);
            WindowRegistry::add(s_instance);
        }
        return s_instance;
    }
    static bool isLoaded() { return !s_instance.isNull(); }
    static T* existing() { return s_instance.data(); }

private:
    static inline QPointer<T> s_instance;
};

// A dialog that exists once for the run: created on first use and kept (hidden, not deleted) after
// it closes, because callers read its answers after runModal() returns and its properties outlive
// a showing. A class with a private constructor names KeptDialog<T> its friend.
template <class T>
class KeptDialog {
public:
    static T* instance()
    {
        if (!s_instance) {
            s_instance = new T();
            WindowRegistry::add(s_instance);
        }
        return s_instance;
    }
    static bool isLoaded() { return !s_instance.isNull(); }

private:
    static inline QPointer<T> s_instance;
};
