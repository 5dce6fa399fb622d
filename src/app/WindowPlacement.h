#pragma once
// Where a new settings window opens: one step down and to the right of the settings window
// opened before it (the first one beside the main window), so that windows opened one after the
// other never hide each other exactly, and always whole on the main window's screen.

class QWidget;

namespace morvik {

// Moves window (not shown yet) to its place; main: the main window.
void PlaceNewWindow(QWidget& window, const QWidget& main);

}  // namespace morvik
