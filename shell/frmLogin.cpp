#include "shell/frmLogin.h"

#include "platform/HandlerCall.h"
#include "platform/MsgBox.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {
const QString kPassword = QStringLiteral("Torvo5183");
} // namespace

frmLogin::frmLogin()
    : Form(Name, TopLevel)
{
    setCaption(QStringLiteral("Login"));
    m_txtUserName = new QLineEdit(this);
    m_txtUserName->setObjectName(QStringLiteral("txtUserName"));
    m_txtPassword = new QLineEdit(this);
    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    auto* userLabel = new QLabel(QStringLiteral("&User Name:"), this);
    userLabel->setObjectName(QStringLiteral("lblLabels(0)"));
    userLabel->setBuddy(m_txtUserName);
    auto* passwordLabel = new QLabel(QStringLiteral("&Password:"), this);
    passwordLabel->setObjectName(QStringLiteral("lblLabels(1)"));
    passwordLabel->setBuddy(m_txtPassword);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { cmdOK_Click(); }); });
    connect(m_cmdCancel, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdCancel_Click(); }); });
    // Enter presses OK and Esc presses Cancel, as in a dialog.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, m_cmdOK, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, m_cmdCancel,
            &QPushButton::click);

    auto* grid = new QGridLayout;
    grid->addWidget(userLabel, 0, 0);
    grid->addWidget(m_txtUserName, 0, 1);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(m_txtPassword, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmLogin::Form_Load()
{
    setSizeTwips(4200, 1800);
    if (mdiMain* main = mdiMain::instance())
        move(main->geometry().center() - rect().center());
}

void frmLogin::cmdOK_Click()
{
    if (m_txtPassword->text() != kPassword) {
        MsgBox::show(QStringLiteral("Invalid Password, try again!"), MsgBox::OKOnly, QStringLiteral("Login"));
        // The next typing replaces the whole password.
        m_txtPassword->setFocus();
        m_txtPassword->selectAll();
        return;
    }
    if (mdiMain* main = mdiMain::instance()) {
        main->Toolbar_Button(8)->setVisible(true);
        main->Toolbar_Button(8)->setEnabled(true);
    }
    Hide();
}

void frmLogin::cmdCancel_Click()
{
    if (mdiMain* main = mdiMain::instance())
        main->Toolbar_Button(8)->setEnabled(false);
    Hide();
}
