#pragma once

#include <QToolBar>

// The main window's toolbar. Dialogs switch it off and on at every opening and
// closing; its own face does not change with that, only its buttons' do, so
// only the buttons are repainted (a whole-bar repaint is the largest part of
// opening a dialog under X).
class MainToolbar : public QToolBar
{
public:
    explicit MainToolbar(const QString& title, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
};
