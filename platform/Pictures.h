#pragma once

#include <QPixmap>

class QLabel;

// Product pictures compiled into the program, found by catalogue name.
class Pictures {
public:
    // A null pixmap when no picture carries that name.
    static QPixmap load(const QString& name);
    static bool exists(const QString& name);
    // Shows the named picture in the box, or hides the box when there is none.
    static void showIn(QLabel* box, const QString& name);
};
