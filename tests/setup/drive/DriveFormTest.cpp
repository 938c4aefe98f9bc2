#include "DriveFormTest.h"

#include "platform/ListControl.h"
#include "setup/drive/TextBox.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

void DriveFormTest::TearDown()
{
    AppFixture::TearDown();
    m_folder.reset();
}

frmDrive_Setup* DriveFormTest::form()
{
    return Forms::get<frmDrive_Setup>(QStringLiteral("frmDrive_Setup"));
}

template <class T>
static T* child(frmDrive_Setup* form, const char* name)
{
    T* w = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

ListControl* DriveFormTest::list(const char* name)
{
    return child<ListControl>(form(), name);
}

QLabel* DriveFormTest::label(const char* name)
{
    return child<QLabel>(form(), name);
}

TextBox* DriveFormTest::box(const char* name)
{
    return child<TextBox>(form(), name);
}

QWidget* DriveFormTest::widget(const char* name)
{
    return child<QWidget>(form(), name);
}

QStringList DriveFormTest::items(const char* name)
{
    return list(name)->items();
}

QString DriveFormTest::text(const char* name)
{
    return list(name)->text();
}

bool DriveFormTest::hidden(const char* name)
{
    return widget(name)->isHidden();
}

bool DriveFormTest::enabled(const char* name)
{
    return widget(name)->isEnabled();
}

void DriveFormTest::pick(const char* name, const QString& entry)
{
    ASSERT_TRUE(list(name)->choose(entry)) << name << " lacks " << entry.toStdString() << "; holds "
                                           << items(name).join(QLatin1Char('|')).toStdString();
}

void DriveFormTest::pickPath(const QStringList& names, const QStringList& entries)
{
    ASSERT_EQ(names.size(), entries.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        pick(names.at(i).toLatin1().constData(), entries.at(i));
}

AxisRecord& DriveFormTest::record()
{
    return Globals::Axis[0];
}

void DriveFormTest::useCatalogueWith(const QStringList& statements)
{
    m_folder = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_folder->isValid());
    const QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/System Databases97.mdb");
    const QString target = m_folder->filePath(QStringLiteral("System Databases97.mdb"));
    ASSERT_TRUE(QFile::copy(source, target));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(target);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& sql : statements)
            ASSERT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    Globals::Set_App_Folder_For_Tests(m_folder->path());
}

void DriveFormTest::openProject(const QString& text)
{
    Globals::Loading_Project = true;
    form()->Reset();
    Globals::Project_Lines = text.split(QLatin1Char('\r'));
    Globals::System_Type = Globals::Project_Lines.value(0).toInt();
    form()->Load_Previous_Values();
}
