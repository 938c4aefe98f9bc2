#pragma once

#include "platform/Twips.h"

#include <QString>
#include <QWidget>

class QFrame;
class QLabel;

// Controls placed as the forms were drawn: the system name as objectName and
// the geometry in twips. The setup forms and their options dialogs build
// their controls with these.
class FormControls {
public:
    template <class T>
    static T* make(QWidget* parent, const QString& name, int left, int top, int width, int height)
    {
        T* w = new T(parent);
        w->setObjectName(name);
        w->setGeometry(Twips::rect(left, top, width, height));
        return w;
    }

    // A one-line caption (240 twips high unless drawn otherwise) that shows its
    // whole text in the desktop's font.
    static QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                         int height = 240);
    // A sunken separator, across when it is wider than high, else upright.
    static QFrame* line(QWidget* parent, const QString& name, int left, int top, int width, int height);
};
