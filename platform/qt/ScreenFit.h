#pragma once
// Keeps a window, its frame included, within the free area of its screen (what panels and docks
// leave of it): no larger than that area, centred on the window it belongs to, and moved inside
// where it would stick out. A window larger than the area is cut down to it, down to its minimum
// size: a dialog's layout has to fit the smallest screen the program is used on. Message boxes are
// left to Qt, which sizes them to their text as they are shown and places them the same way.
class QWidget;

void FitWindowOnScreen(QWidget& window, const QWidget* over);
