#include "ControllerSystemTest.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "shell/Forms.h"
#include "shell/frmAccessories.h"

#include <QPushButton>

Form* ControllerSystemTest::options()
{
    Form* dialog = Forms::find(QStringLiteral("frmControl"));
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

ListControl* ControllerSystemTest::level(int number)
{
    auto* list = options()->findChild<ListControl*>(QStringLiteral("cmb1(%1)").arg(number - 1));
    EXPECT_NE(list, nullptr) << number;
    return list;
}

frmAccessories* ControllerSystemTest::accessories()
{
    auto* dialog = Forms::find<frmAccessories>(QStringLiteral("frmAccessories"));
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

void ControllerSystemTest::clickIn(Form* form, const char* button)
{
    auto* b = form->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
    processEvents();
}

void ControllerSystemTest::openOptions(const QString& controller, const QStringList& values)
{
    form();
    pick("cmbController", controller);
    click("cmdController");
    for (int l = 1; l <= values.size(); ++l)
        if (!values.at(l - 1).isEmpty())
            ASSERT_TRUE(level(l)->choose(values.at(l - 1))) << values.at(l - 1).toStdString();
}

void ControllerSystemTest::configureController(const QString& controller, const QStringList& values)
{
    openOptions(controller, values);
    clickIn(options(), "cmdDone");
}

void ControllerSystemTest::chooseAccessories(const QStringList& entries)
{
    clickIn(options(), "cmdAccessories");
    MultiList* list = accessories()->lstAccessories();
    for (const QString& entry : entries) {
        const int row = static_cast<int>(list->items().indexOf(entry));
        ASSERT_GE(row, 0) << entry.toStdString();
        list->choose(row);
    }
}

void ControllerSystemTest::closeAccessories()
{
    clickIn(accessories(), "cmdDone");
}

void ControllerSystemTest::closeByCloseBox(Form* form)
{
    form->close();
    processEvents();
}
