#include "shell/frmAbout.h"

#include "platform/HandlerCall.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout()
    : Form(Name)
{
    setCaption(QStringLiteral("About Brevan Quenro "));
    auto label = [this](const char* name, const QString& text, int pointSize, bool bold) {
        auto* box = new QLabel(text, this);
        box->setObjectName(QString::fromLatin1(name));
        QFont font(QStringLiteral("Arial"), pointSize);
        font.setBold(bold);
        box->setFont(font);
        return box;
    };
    m_label1 = label("Label1", Globals::Product_Title, 14, true);
    m_label2 = label("Label2", QStringLiteral("Brevan Dravenor Corporation"), 10, false);
    m_lblVersion = label("lblVersion", QString(), 10, false);
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { cmdOK_Click(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 12);
    layout->addWidget(m_label1);
    layout->addWidget(m_label2);
    layout->addWidget(m_lblVersion);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    layout->addLayout(buttons);
}

QString frmAbout::versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(QString::number(QUENRO_VERSION_MAJOR), QString::number(QUENRO_VERSION_MINOR),
             QString::number(QUENRO_VERSION_PATCH));
}

void frmAbout::Form_Load()
{
    setSizeTwips(5895, 2600);
    moveTwips(0, 0);
    m_lblVersion->setText(versionText());
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::Form_Unload(bool& cancel)
{
    (void)cancel;
    // Back to the setup form of the current kind when it is still on screen,
    // else to the start dialog.
    const QString name = SetupKinds::formName(Globals::System_Type);
    if (!name.isEmpty()) {
        const Form* setup = Forms::find(name);
        if (setup && setup->Visible())
            return;
    }
    if (Form* selection = Forms::get(frmSelection::Name))
        selection->Show();
    Globals::Current_Form = frmSelection::Name;
    if (mdiMain* main = mdiMain::instance())
        main->MDIForm_Activate();
}
