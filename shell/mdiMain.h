#pragma once

#include "sizing/MotorModelACX.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class Form;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class SetupForm;

// The program's main window: an MDI frame for the start dialog, the setup
// forms and their dialogs, with the File and Help menus, the toolbar, the
// background picture and the sizing control.
class mdiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit mdiMain(QWidget* parent = nullptr);
    ~mdiMain() override;

    // The one main window, or null when none exists.
    static mdiMain* instance();
    // The window's size when it opens on a screen of that available area, the
    // window manager's frame around it (title bar included) within the area.
    static QSize firstSize(const QSize& available, const QMargins& frame = {});

    QMdiArea* mdiArea() const { return m_area; }
    QToolBar* Toolbar1() const { return m_toolbar; }
    // Toolbar buttons numbered 1..8 (4 is the separator); null outside that range.
    QAction* Toolbar_Button(int index) const;

    QAction* mnuNew() const { return m_mnuNew; }
    QAction* mnuOpen() const { return m_mnuOpen; }
    QAction* mnuSave() const { return m_mnuSave; }
    QAction* mnuSave_As() const { return m_mnuSave_As; }
    QAction* mnuReset_All() const { return m_mnuReset_All; }
    QAction* mnuClose() const { return m_mnuClose; }
    QAction* mnuExport_Data() const { return m_mnuExport_Data; }
    QAction* mnuExit() const { return m_mnuExit; }
    QAction* mnuAbout() const { return m_mnuAbout; }
    QAction* mnuLogin() const { return m_mnuLogin; }
    QAction* mnuController_Only() const { return m_mnuController_Only; }
    QAction* mnuDrive_Controller() const { return m_mnuDrive_Controller; }
    QAction* mnuDrive() const { return m_mnuDrive; }

    // The sizing control, alive as long as the window (handed to Globals::Set_SOCX).
    Pulvane_V4::MotorModelACX SOCX;

    void MDIForm_Load();
    // Re-shows the child named by Current_Form; opens the start dialog when
    // no other form is loaded. Runs on activation and when About closes.
    void MDIForm_Activate();
    // Unloads the child forms in the window's unload order.
    void MDIForm_Unload();

    void mnuController_Only_Click();
    void mnuDrive_Controller_Click();
    void mnuDrive_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSave_As_Click();
    void mnuReset_All_Click();
    void mnuClose_Click();
    void mnuExport_Data_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuLogin_Click();
    void Toolbar1_ButtonClick(int index);

    // Asks the price-and-availability service about the bill of material and
    // saves the answer table.
    void createXMLfor_Extranet();

    // Loads and shows the setup form of a kind and sets menu and toolbar for it
    // (New menu and start dialog).
    void openSetupForm(int kind);
    // Caption, New menu, File items and toolbar as when no setup form is open.
    void showStartState();
    // Toolbar buttons and File items after a setup form of the kind was opened
    // (New, Open); the status line names no file written before.
    void showSetupState(int kind);

    // The form in the active MDI child window, and that form as a setup form.
    Form* activeChildForm() const;
    SetupForm* activeSetupForm() const;

    // What is drawn behind the child windows: the background picture
    // stretched over the inner area (null before the area has a size).
    const QPixmap& backgroundPicture() const { return m_hidden; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolbar();
    void MDIForm_Resize();
    // Once the window is framed: a frame larger than the screen's available
    // area is brought within it, so that the status line stays on the screen.
    void fitFrame();
    // The File items that act on a project: Save, Save As, Reset All, Export Data.
    void enableProjectItems(bool on);
    void onSubWindowActivated(QMdiSubWindow* window);
    void endProgram();

    QMdiArea* m_area = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QAction*, 8> m_buttons {};
    QPixmap m_tile;
    QPixmap m_hidden;
    QAction* m_mnuNew = nullptr;
    QAction* m_mnuOpen = nullptr;
    QAction* m_mnuSave = nullptr;
    QAction* m_mnuSave_As = nullptr;
    QAction* m_mnuReset_All = nullptr;
    QAction* m_mnuClose = nullptr;
    QAction* m_mnuExport_Data = nullptr;
    QAction* m_mnuExit = nullptr;
    QAction* m_mnuAbout = nullptr;
    QAction* m_mnuLogin = nullptr;
    QAction* m_mnuController_Only = nullptr;
    QAction* m_mnuDrive_Controller = nullptr;
    QAction* m_mnuDrive = nullptr;
    bool m_activating = false;
    bool m_activatedOnce = false;
    bool m_framed = false;
    bool m_requesting = false;
    bool m_ending = false;
};
