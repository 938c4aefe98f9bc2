#include "DriveFormTest.h"

#include "platform/ListControl.h"
#include "setup/drive/TextBox.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"
#include "support/SqliteFile.h"

#include <QLabel>
#include <QPushButton>

const QStringList kCascadeLists {"cmbMotor_Tech",   "cmbDrive",         "cmbMotor_Series", "cmbFrame_size",
                                  "cmbStack_length", "cmbWinding",       "cmbFeedback",     "cmbShaft_options",
                                  "cmbCable_Option", "cmbOptions",       "cmbDriveVoltage", "cmbWiring",
                                  "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"};

const QStringList kResultDisplay {"cmbMotor_Cable_Length", "lblMotor_Cable_Length", "cmbFeedback_Cable_Length",
                                  "lblFeedback_Cable_Length", "txtDrive", "lblDrive", "cmbDriveVoltage",
                                  "lblDriveVoltage", "cmbWiring", "lblwiring", "cmdCurve", "txtMotor", "lblMotor",
                                  "txtMotor_Part", "lblMotor_Part", "Line5", "Line6", "Line7", "Line8"};

const QStringList kLmServo {"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "",
                            "0 = Standard"};
const QStringList kKxServo {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft",
                            "C = Connectors", "0 = Standard"};
const QStringList kSxStepper {"Stepper", "SMD-48", "SX", "23", "1", "A", "S = Single Shaft", "R = Round Shaft",
                              "C = Connector", "None"};
const QStringList kCtDirectDrive {"Direct Drive", "BDD-460", "", "40", "", "", "E = 20-bit Encoder",
                                  "S = Solid Shaft", "", "N/A"};

const QString kTitle = QStringLiteral("Brevan Quenro");
const QString kDrivePrompt = QStringLiteral("Motor and Drive Incompatibility.  Would you like to reset the axis?");
const QString kKeywayMessage = QStringLiteral("Please select another shaft Options\r\nKeyway on Size 16 motors is not "
                                              "valid unless with a gearhead");
const QString kLoadError = QStringLiteral("Error Incompatible File Format or Motor/Drive No Longer Available");

void DriveFormTest::TearDown()
{
    AppFixture::TearDown();
    m_folder.reset();
}

frmDrive_Setup* DriveFormTest::form()
{
    return Forms::get<frmDrive_Setup>(QStringLiteral("frmDrive_Setup"));
}

Form* DriveFormTest::setupForm()
{
    return form();
}

SetupForm* DriveFormTest::setup()
{
    return dynamic_cast<SetupForm*>(setupForm());
}

template <class T>
static T* child(Form* form, const QString& name)
{
    T* w = form->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

ListControl* DriveFormTest::list(const QString& name)
{
    return child<ListControl>(setupForm(), name);
}

QLabel* DriveFormTest::label(const QString& name)
{
    return child<QLabel>(setupForm(), name);
}

TextBox* DriveFormTest::box(const QString& name)
{
    return child<TextBox>(setupForm(), name);
}

QWidget* DriveFormTest::widget(const QString& name)
{
    return child<QWidget>(setupForm(), name);
}

QStringList DriveFormTest::items(const QString& name)
{
    return list(name)->items();
}

QString DriveFormTest::text(const QString& name)
{
    return list(name)->text();
}

bool DriveFormTest::hidden(const QString& name)
{
    return widget(name)->isHidden();
}

bool DriveFormTest::enabled(const QString& name)
{
    return widget(name)->isEnabled();
}

void DriveFormTest::click(const QString& button)
{
    auto* b = qobject_cast<QPushButton*>(widget(button));
    ASSERT_NE(b, nullptr) << button.toStdString();
    b->click();
}

void DriveFormTest::pick(const QString& name, const QString& entry)
{
    ASSERT_TRUE(list(name)->choose(entry)) << name.toStdString() << " lacks " << entry.toStdString() << "; holds "
                                           << items(name).join(QLatin1Char('|')).toStdString();
}

void DriveFormTest::configure(const QStringList& entries)
{
    const QStringList& lists = cascadeLists();
    ASSERT_LE(entries.size(), lists.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (!entries.at(i).isEmpty())
            pick(lists.at(i), entries.at(i));
}

void DriveFormTest::chooseGearhead(const QString& code)
{
    Form* gear = Forms::find(QStringLiteral("frmGear"));
    ASSERT_NE(gear, nullptr);
    ASSERT_TRUE(gear->findChild<ListControl*>(QStringLiteral("cmbGear"))->choose(code)) << code.toStdString();
    gear->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
    processEvents();
}

void DriveFormTest::expectOnlyMessage(const QString& prompt, MsgBox::Buttons buttons)
{
    ASSERT_EQ(msg->prompts(), QStringList {prompt});
    EXPECT_EQ(msg->messages().at(0).buttons, buttons);
    EXPECT_EQ(msg->messages().at(0).title, kTitle);
}

AxisRecord& DriveFormTest::record()
{
    return Globals::Axis[0];
}

void DriveFormTest::useCatalogueWith(const QStringList& statements)
{
    m_folder = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_folder->isValid());
    const QString name = QStringLiteral("System Databases97.mdb");
    ASSERT_TRUE(SqliteFile::copySample(name, m_folder->path()));
    ASSERT_EQ(SqliteFile::run(m_folder->filePath(name), statements), QString());
    Globals::Set_App_Folder_For_Tests(m_folder->path());
}

void DriveFormTest::openProject(const QString& text)
{
    Globals::Loading_Project = true;
    setup()->Reset();
    Globals::Project_Lines = text.split(QLatin1Char('\r'));
    Globals::System_Type = Globals::Project_Lines.value(0).toInt();
    setup()->Load_Previous_Values();
}
