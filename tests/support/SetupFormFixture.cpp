#include "support/SetupFormFixture.h"

#include "platform/ListControl.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"
#include "support/SqliteFile.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

const QString kTitle = QStringLiteral("Brevan Quenro");
const QString kLoadError = QStringLiteral("Error Incompatible File Format or Motor/Drive No Longer Available");
const QString kNoVoltages = QStringLiteral(
    "UPDATE [Drive to Motor] SET [120VAC_Drive]='N/A', [230VAC_Drive]='N/A', [460VAC_Drive]='N/A', "
    "[460VAC_Drive_Parallel]='N/A' WHERE [Motor Name]='KX' AND Frame_Size='23' AND Stack_Length='2'");


void SetupFormFixture::TearDown()
{
    AppFixture::TearDown();
    m_folder.reset();
}

Form* SetupFormFixture::setupForm()
{
    return Forms::get(SetupKinds::formName(m_kind));
}

SetupForm* SetupFormFixture::setup()
{
    return dynamic_cast<SetupForm*>(setupForm());
}

template <class T>
static T* child(Form* form, const QString& name)
{
    T* w = form ? form->findChild<T*>(name) : nullptr;
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

ListControl* SetupFormFixture::list(const QString& name)
{
    return child<ListControl>(setupForm(), name);
}

QLabel* SetupFormFixture::label(const QString& name)
{
    return child<QLabel>(setupForm(), name);
}

TextBox* SetupFormFixture::box(const QString& name)
{
    return child<TextBox>(setupForm(), name);
}

QWidget* SetupFormFixture::widget(const QString& name)
{
    return child<QWidget>(setupForm(), name);
}

QStringList SetupFormFixture::items(const QString& name)
{
    return list(name)->items();
}

QString SetupFormFixture::text(const QString& name)
{
    return list(name)->text();
}

bool SetupFormFixture::hidden(const QString& name)
{
    return widget(name)->isHidden();
}

bool SetupFormFixture::enabled(const QString& name)
{
    return widget(name)->isEnabled();
}

void SetupFormFixture::click(const QString& button)
{
    auto* b = qobject_cast<QPushButton*>(widget(button));
    ASSERT_NE(b, nullptr) << button.toStdString();
    b->click();
}

void SetupFormFixture::pick(const QString& name, const QString& entry)
{
    ASSERT_TRUE(list(name)->choose(entry)) << name.toStdString() << " lacks " << entry.toStdString() << "; holds "
                                           << items(name).join(QLatin1Char('|')).toStdString();
}

void SetupFormFixture::configure(const QStringList& lists, const QStringList& entries)
{
    ASSERT_LE(entries.size(), lists.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (!entries.at(i).isEmpty())
            pick(lists.at(i), entries.at(i));
}

void SetupFormFixture::closeGearhead(const QString& code, const QString& how, const QString& notes)
{
    Form* gear = Forms::find(QStringLiteral("frmGear"));
    ASSERT_NE(gear, nullptr);
    if (!code.isEmpty()) {
        ASSERT_TRUE(gear->findChild<ListControl*>(QStringLiteral("cmbGear"))->choose(code)) << code.toStdString();
    }
    if (!notes.isEmpty())
        gear->findChild<QPlainTextEdit*>(QStringLiteral("txtNotes"))->setPlainText(notes);
    if (how == QLatin1String("close"))
        gear->close();
    else
        gear->findChild<QPushButton*>(how)->click();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded(QStringLiteral("frmGear")));
}

void SetupFormFixture::expectOnlyMessage(const QString& prompt, MsgBox::Buttons buttons)
{
    ASSERT_EQ(msg->prompts(), QStringList {prompt});
    EXPECT_EQ(msg->messages().at(0).buttons, buttons);
    EXPECT_EQ(msg->messages().at(0).title, kTitle);
}

AxisRecord& SetupFormFixture::record()
{
    return Globals::Axis[0];
}

void SetupFormFixture::useCatalogueWith(const QStringList& statements)
{
    m_folder = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_folder->isValid());
    const QString name = QStringLiteral("System Databases97.mdb");
    ASSERT_TRUE(SqliteFile::copySample(name, m_folder->path()));
    ASSERT_EQ(SqliteFile::run(m_folder->filePath(name), statements), QString());
    Globals::Set_App_Folder_For_Tests(m_folder->path());
}

void SetupFormFixture::openProject(const QString& text)
{
    Globals::Loading_Project = true;
    setup()->Reset();
    Globals::Project_Lines = text.split(QLatin1Char('\r'));
    Globals::System_Type = Globals::Project_Lines.value(0).toInt();
    setup()->Load_Previous_Values();
}

void SetupFormFixture::newProject()
{
    mdiMain& main = mainWindow();
    QAction* item = m_kind == SetupKinds::Drive ? main.mnuDrive()
        : m_kind == SetupKinds::DriveController ? main.mnuDrive_Controller()
                                                : main.mnuController_Only();
    item->trigger();
}
