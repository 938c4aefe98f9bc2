#include "shell/frmXMLwaitdialog.h"

#include "shell/mdiMain.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmXMLwaitdialog::frmXMLwaitdialog()
    : Form(Name, TopLevel)
{
    setCaption(QStringLiteral("Connecting to Extranet"));
    // Only the dialog takes input while the program waits for the service.
    setWindowModality(Qt::ApplicationModal);

    m_label1 = new QLabel(QStringLiteral("Please wait 30-60 seconds for data to download from Extranet."), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_text1 = new QPlainTextEdit(QStringLiteral("Text1"), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmXMLwaitdialog::cancelled);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_text1, 1);
    layout->addLayout(buttons);
}

void frmXMLwaitdialog::Form_Load()
{
    setSizeTwips(6000, 3600);
    if (mdiMain* main = mdiMain::instance())
        move(main->geometry().center() - rect().center());
}

void frmXMLwaitdialog::Form_Unload(bool& cancel)
{
    (void)cancel;
    emit cancelled();
}

void frmXMLwaitdialog::setText(const QString& text)
{
    // A long answer would only stall the box: the beginning tells enough.
    m_text1->setPlainText(text.size() > Max_Shown ? text.left(Max_Shown) + QStringLiteral("\n...") : text);
}

QString frmXMLwaitdialog::text() const
{
    return m_text1->toPlainText();
}
