#include "ControllerSystemTest.h"

#include "CascadeWalker.h"
#include "CatalogueDatabases.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
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
        if (!values.at(l - 1).isEmpty()) {
            ASSERT_TRUE(level(l)->choose(values.at(l - 1))) << values.at(l - 1).toStdString();
        }
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

QList<CascadePath> ControllerSystemTest::pathsOn(const QString& controller)
{
    const QStringList drives = CatalogueDatabases::column(
        "SELECT [Drive Name] FROM [Controller to Drive] WHERE [Controller Name]=?", {controller});
    QList<CascadePath> out;
    for (const CascadePath& p : CascadeWalker(CatalogueDatabases::product()).controllerPaths())
        if (drives.contains(p.drive))
            out << p;
    return out;
}

void ControllerSystemTest::configureAxis(int number, const CascadePath& p)
{
    switchTo(number);
    configure({p.technology, p.drive, p.series, p.frame, p.stack, p.winding});
    // The fifth and sixth lists swap roles for this type.
    const bool qd = axis(number).Part_Number_Type == "QD_Servo";
    configure({"", "", "", "", "", "", qd ? p.shaft : p.feedback, qd ? p.feedback : p.shaft, p.cableOption,
               p.motorOption, p.voltage, p.wiring, p.motorCableLengths.value(0), p.feedbackCableLengths.value(0)});
    if (!hidden("cmbController_Cable_Length") && !items("cmbController_Cable_Length").isEmpty())
        list("cmbController_Cable_Length")->choose(0);
    ASSERT_EQ(axis(number).Drive_Part_Number, p.drivePartNumber) << p.describe().toStdString();
}

QString ControllerSystemTest::controllerState()
{
    using namespace Globals;
    QStringList out {Controller_Part_Number, Controller_Name, Controller_Extra,
                     QString::number(Controller_Expansion_IO), Required_Accessory, Required_Accessory_Part_Number,
                     Required_Accessory_Length, Breakout_Axes, QString::number(Total_Axes),
                     QString::number(Total_Servos), QString::number(Total_Steppers)};
    for (const List21* list : {&Controller_Options, &Controller_Accessory_Description, &Controller_Accessory_List_Index,
                               &Controller_Accessory_Entry, &Controller_Accessory_Quantity,
                               &Controller_Accessory_List_Item})
        out << QStringList(list->begin(), list->end()).join(',');
    return out.join('|');
}
