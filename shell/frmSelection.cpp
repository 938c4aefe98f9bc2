#include "shell/frmSelection.h"

#include "platform/HandlerCall.h"
#include "platform/OptionButton.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QFont>
#include <QPushButton>
#include <QVBoxLayout>

frmSelection::frmSelection()
    : Form(Name)
{
    setCaption(QStringLiteral("Selection"));
    // The captions must fit the dialog's fixed width.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 12, 10, 12);
    layout->setSpacing(10);
    for (int i = 0; i < 3; ++i) {
        auto* option = new OptionButton(SetupKinds::all().at(i).caption, this);
        option->setObjectName(QStringLiteral("Selection(%1)").arg(i));
        layout->addWidget(option);
        m_selection[static_cast<size_t>(i)] = option;
    }
    layout->addStretch();
    m_cmdDone = new QPushButton(QStringLiteral("Start"), this);
    m_cmdDone->setObjectName(QStringLiteral("cmdDone"));
    layout->addWidget(m_cmdDone, 0, Qt::AlignHCenter);
    connect(m_cmdDone, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { cmdDone_Click(); }); });

    setTabOrder(m_selection[0], m_selection[1]);
    setTabOrder(m_selection[1], m_selection[2]);
    setTabOrder(m_selection[2], m_cmdDone);
}

OptionButton* frmSelection::Selection(int index) const
{
    if (index < 0 || index > 2)
        return nullptr;
    return m_selection[static_cast<size_t>(index)];
}

void frmSelection::Form_Load()
{
    placeAboveScreenMiddle(4485, 3375);
    // Start always has a kind: the first holds the focus and so is chosen.
    m_selection[0]->setValue(true);
    m_selection[0]->setFocus();
}

void frmSelection::cmdDone_Click()
{
    mdiMain* main = mdiMain::instance();
    if (!main)
        return;
    for (size_t i = 0; i < m_selection.size(); ++i) {
        if (m_selection[i]->value()) {
            main->openSetupForm(SetupKinds::all().at(static_cast<int>(i)).number);
            return;
        }
    }
}
