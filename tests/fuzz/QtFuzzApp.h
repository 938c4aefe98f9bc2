#pragma once

#include <QByteArray>
#include <QString>

// The one QApplication of a Qt fuzz target, off screen, made on first call.
void startQtFuzzApp(int* argc, char*** argv);
// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Lets deleted forms go and queued events run between inputs.
void settleQtEvents();
