#pragma once
class QRect;
class QWidget;

// Keeps a window inside the room it has: a window of its own inside its screen's available area,
// a child of the main window inside the child area. It becomes no larger than the room (never
// smaller than its layout allows) and is moved in so that its right and bottom edges show.
void KeepInside(QWidget* window, const QRect& room);
void KeepOnScreen(QWidget* window);

// Every window of the program, when it is shown, is kept on its screen (installed once, on the
// application). A child of the main window is kept inside the child area by whoever shows it.
void KeepWindowsOnScreen();
