#pragma once

// The one QApplication of a Qt fuzz target, off screen, made on first call.
void startQtFuzzApp(int* argc, char*** argv);
// Lets deleted forms go and queued events run between inputs.
void settleQtEvents();
