#pragma once

#include <QString>

// Key to repainted window in sequential practice with the real answer pause: a key event is
// posted to the main window and the paints of its widgets are timed. Prints
// {"choice_ms": M, "repaint_start_ms": M, "after_pause_ms": M, "keys": N}: medians of the first
// paint after the key, and of the first and last paint of the repaint that follows the pause,
// counted from the pause's end.
int runFeltLatency(const QString& database);
