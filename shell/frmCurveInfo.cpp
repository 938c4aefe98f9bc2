#include "shell/frmCurveInfo.h"

#include "platform/HandlerCall.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmCurveInfo::frmCurveInfo()
    : Form(Name)
{
    setCaption(QStringLiteral("Getting Speed/Torque Curves"));
    auto* layout = new QVBoxLayout(this);
    auto label = [this, layout](const char* name, const QString& text) {
        auto* box = new QLabel(text, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setWordWrap(true);
        layout->addWidget(box);
    };
    label("Label1", QStringLiteral("Brevan's Quintaro can be used to generate speed/torque curves including curves when "
                                   "different power levels of the same drive are used."));
    label("Label2", QStringLiteral("To use Quintaro to generate the curve that you want you must put in a few parameters "
                                   "in order for Quintaro to select motors.  The parameters are a load and motion "
                                   "profile.  You may put in just basic parameters to get a result.  You may also use "
                                   "the Filter in the Motor Selection to select the drive and motor series that you "
                                   "want to generate curves for."));
    label("Label3", QStringLiteral("Quintaro can be downloaded from www.brevan.com."));
    layout->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    connect(ok, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { OKButton_Click(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

void frmCurveInfo::Form_Load()
{
    setSizeTwips(6600, 4200);
}

void frmCurveInfo::OKButton_Click()
{
    Hide();
}
