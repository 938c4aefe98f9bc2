#pragma once

#include "shell/Stage.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include <optional>

// A window of the program: created and loaded on first use through Forms,
// shown and hidden, unloaded (destroyed) by Forms::unload. Child forms live in
// the main window's MDI area when there is one; dialogs shown without owner are
// top-level windows.
// Each form class names itself once, in its constant Name, and passes it here:
// Forms::get<T>() and the other calls by type reach it, so that a misspelt
// name cannot compile; the setup forms take theirs from SetupKinds, where the
// shell finds them.
class Form : public QWidget {
    Q_OBJECT
public:
    // OwnedDialog: a modeless window owned by the main window, so that it stays
    // above it when the user works in the form behind it; without a main
    // window (a dialog tested on its own) it is a top-level window.
    enum Kind { MdiChild, TopLevel, OwnedDialog };

    explicit Form(const QString& name, Kind kind = MdiChild);
    ~Form() override;

    const QString& Name() const { return m_name; }

    // Lifecycle, run by Forms.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Setting cancel keeps the form loaded.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }
    virtual void Form_Terminate() {}

    void Show();
    void Hide();
    bool Visible() const { return m_shown; }
    void Unload();

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption);

    // Size and position of the window frame in twips, the unit the forms' layouts are given in.
    void setSizeTwips(int widthTwips, int heightTwips);
    void moveTwips(int leftTwips, int topTwips);
    // Sizes the window and centres it across the screen with its lower edge on
    // the screen's middle, as the start and gearhead dialogs sit.
    void placeAboveScreenMiddle(int widthTwips, int heightTwips);
    // Where such a window's frame goes on a screen of that size (all in
    // twips): never above or left of the screen's edge, where its title bar
    // could not be reached on a small or scaled screen.
    static QPoint aboveScreenMiddle(QSize screenTwips, QSize formTwips);
    int widthTwips() const;
    int heightTwips() const;
    int topTwips() const;

    // What the window configures, said when it opens (axis 1 to 16, or 0 for
    // the system's): Dependents closes it when that is dropped, the window
    // opened last first. A window that works on the axis through the setup
    // form's lists goes also when the form shows another axis; one that holds
    // its axis itself (the curve window) stays.
    struct Subject {
        Stage stage = Stage::Project;
        int axis = 0;
        bool throughForm = true;
        quint64 opened = 0;
    };
    void setSubject(Stage stage, int axis = 0, bool throughForm = true);
    const std::optional<Subject>& subject() const { return m_subject; }
    // A window being unloaded configures nothing any more.
    void forgetSubject() { m_subject.reset(); }
    // How a drop closes it: as its Cancel would, where it has one.
    virtual void closeAsCancel() { Unload(); }

    QMdiSubWindow* subWindow() const { return m_sub; }
    QWidget* frameWidget();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureFrame();
    void ensureOwner();

    QString m_name;
    Kind m_kind;
    // The frame may go first when the MDI area is torn down.
    QPointer<QMdiSubWindow> m_sub;
    bool m_shown = false;
    std::optional<Subject> m_subject;
};
