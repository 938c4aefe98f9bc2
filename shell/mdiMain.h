#pragma once

#include <QMainWindow>

class QMdiArea;

// The program's main window: an MDI frame for the setup forms and dialogs.
class mdiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit mdiMain(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_area; }

private:
    QMdiArea* m_area = nullptr;
};
