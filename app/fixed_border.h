#pragma once

class QWidget;

// Shows `window` as the original shows its main window: filling the screen's work area, with
// a fixed dialog border (a close box, no resizing, no maximise box). A maximised window that a
// window manager may resize gets a live maximise box, and fixing its size makes some window
// managers restore it; so the window is shown normally, and once its frame is known it is
// placed over the work area at a fixed size.
void showFixedFillingTheScreen(QWidget& window);
