#include "support/AppFixture.h"

#include "platform/ListControl.h"
#include "platform/OptionButton.h"
#include "setup/common/InputVoltage.h"
#include "setup/common/TextBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"
#include "shell/SetupForm.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"
#include "support/Wheel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTextBlock>

#include <memory>

namespace {

QRect within(QWidget* window, const QWidget* w)
{
    return {w->mapTo(window, QPoint(0, 0)), w->size()};
}

// Captions show their whole text and run into no control to their right;
// open lists show their entries whole, also in a style that does not open
// them as a menu; a box of two lines shows the second whole, also where the
// desktop draws text a point taller.
void expectReadable(QWidget* window)
{
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (auto* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
            continue;
        const QFontMetrics metrics = label->fontMetrics(); // text centred upright
        const QRect text(within(window, label).topLeft() + QPoint(0, (label->height() - metrics.height()) / 2),
                         QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
        EXPECT_GE(label->width(), text.width()) << label->objectName().toStdString();
        for (QWidget* other : controls) {
            const QRect shared = within(window, other).intersected(text);
            EXPECT_FALSE(other->isVisible() && shared.x() > text.x() && shared.width() > 0 && shared.height() > 2)
                << label->objectName().toStdString() << " runs into " << other->objectName().toStdString();
        }
    }
    const std::unique_ptr<QStyle> narrow(QStyleFactory::create(QStringLiteral("Windows")));
    for (ListControl* list : window->findChildren<ListControl*>()) {
        if (!list->isVisible() || list->count() == 0)
            continue;
        list->setStyle(narrow.get());
        list->showPopup();
        EXPECT_GE(list->view()->viewport()->width(), list->view()->sizeHintForColumn(0)) << list->objectName().toStdString();
        list->hidePopup();
        list->setStyle(nullptr);
    }
    for (TextBox* box : window->findChildren<TextBox*>()) {
        if (!box->isVisible() || box->document()->blockCount() < 2)
            continue;
        QFont taller = box->font();
        taller.setPointSizeF(taller.pointSizeF() + 1);
        box->setFont(taller);
        const QRect second = box->cursorRect(QTextCursor(box->document()->findBlockByNumber(1)));
        EXPECT_LT(second.bottom(), box->viewport()->height()) << box->objectName().toStdString();
        box->setFont(QFont());
    }
}

QPlainTextEdit* findBox(const QString& formAndBox)
{
    Form* form = Forms::find(formAndBox.section('.', 0, 0));
    return form ? form->findChild<QPlainTextEdit*>(formAndBox.section('.', 1)) : nullptr;
}

// Every line of the box whole, with no scroll bar for a line it could not show.
void expectWhole(QPlainTextEdit* box)
{
    ASSERT_TRUE(box && box->isVisible());
    EXPECT_GE(box->document()->lineCount(), 2);
    EXPECT_FALSE(box->verticalScrollBar()->isVisible());
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    EXPECT_LT(box->cursorRect(end).bottom(), box->viewport()->height());
}

// What a part-number box shows for each drive the form offers: each part
// number the program builds from the catalogue's codes for it (a
// drive/controller's with each option code, and before it is configured) with
// the notes of each of its rows.
QStringList driveTexts(const QString& drivesSql, bool driveControllers)
{
    struct Row {
        QString drive;
        QString notes;
        QStringList codes;
    };
    QList<Row> rows;
    Recordset& rs = Globals::Run_Query(
        QStringLiteral("SELECT DISTINCT * FROM [Drive to Motor] WHERE [Drive Name] IN (%1);").arg(drivesSql));
    for (; !rs.eof(); rs.moveNext()) {
        Row row {rs.text(QStringLiteral("Drive Name")), rs.text(QStringLiteral("Drive_Notes")), {}};
        for (const InputVoltage::Item& item : InputVoltage::items())
            for (const QString& column : {item.plainColumn, item.parallelColumn})
                if (!rs.isNull(column) && rs.text(column) != QLatin1String("N/A"))
                    row.codes << rs.text(column); // an empty code offers its voltage too
        rows << row;
    }
    QStringList texts;
    for (const Row& row : rows) {
        QStringList partNumbers;
        QStringList options;
        if (driveControllers) {
            partNumbers << QStringLiteral("Not Fully Configured");
            for (Recordset& codes = Globals::Run_Query(QStringLiteral("SELECT DISTINCT PartNumber FROM [All DriveControllers] "
                                                                      "WHERE [DriveController Name]=?;"),
                                                       {row.drive});
                 !codes.eof(); codes.moveNext())
                options << codes.text(QStringLiteral("PartNumber"));
        }
        for (const QString& code : row.codes) {
            if (!driveControllers)
                partNumbers << Globals::Build_Drive_Part_Number(row.drive, code);
            for (const QString& option : options)
                partNumbers << Globals::Build_DriveController_Part_Number(row.drive, code, option);
        }
        for (const QString& partNumber : partNumbers)
            texts << QStringLiteral("Drive: ") + partNumber + QStringLiteral("\r\nNotes: ") + row.notes;
    }
    texts.removeDuplicates();
    return texts;
}

// The wheel over a list that has not the focus picks nothing and scrolls the
// form as over empty space; over a dialog's list, which has nothing to
// scroll, it changes nothing either.
void expectWheelPassesLists(mdiMain& main, const QStringList& windows)
{
    auto* setup = dynamic_cast<SetupForm*>(Forms::find(windows.first()));
    ASSERT_NE(setup, nullptr);
    const QString saved = setup->Save_String();
    QScrollBar* bar = main.mdiArea()->verticalScrollBar();
    for (const QString& name : windows) {
        Form* window = Forms::find(name);
        if (!window || !window->isVisible())
            continue;
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            if (!list->isVisible())
                continue;
            SCOPED_TRACE(list->objectName().toStdString());
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            bar->setValue(0);
            const int index = list->currentIndex();
            Wheel::turn(list);
            AppFixture::processEvents();
            EXPECT_EQ(list->currentIndex(), index);
            if (list->window() == &main) {
                EXPECT_GT(bar->value(), 0);
            }
        }
    }
    EXPECT_EQ(setup->Save_String(), saved);
}

// A reopened project of each setup kind, with the dialogs its buttons open.
struct Readable {
    const char* project;
    const char* form;
    QStringList buttons;         // "form.button", pressed in order
    QStringList whole;           // "form.box" that shows every line of its text
    QStringList partNumberBoxes; // "form.box" that shows every line of each drive's text
    const char* drives;          // the drives (or drive/controllers) the form offers
    bool driveControllers;
};

class ReadableFormsTest : public AppFixture, public ::testing::WithParamInterface<Readable> {};

TEST_P(ReadableFormsTest, EveryTextWholeAndTheFormReachableInASmallWindow)
{
    mdiMain& main = mainWindow();
    files->queuePath(QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file/%1.dat").arg(GetParam().project));
    main.mnuOpen()->trigger();
    for (const QString& button : GetParam().buttons)
        Forms::find(button.section('.', 0, 0))->findChild<QPushButton*>(button.section('.', 1))->click();
    if (auto* accessories = Forms::find<frmAccessories>(QStringLiteral("frmAccessories")))
        accessories->optExp(1)->choose(); // the card table with its headers
    processEvents();
    ASSERT_TRUE(msg->messages().isEmpty()) << msg->prompts().join('\n').toStdString();
    const QStringList windows = {GetParam().form, "frmDriveControl", "frmControl", "frmAccessories", "frmCurve"};
    for (const QString& name : windows) {
        SCOPED_TRACE(name.toStdString());
        if (Form* window = Forms::find(name); window && window->isVisible())
            expectReadable(window);
    }
    for (const QString& name : GetParam().whole) {
        SCOPED_TRACE(name.toStdString());
        expectWhole(findBox(name));
    }
    const QStringList texts = driveTexts(QLatin1String(GetParam().drives), GetParam().driveControllers);
    for (const QString& name : GetParam().partNumberBoxes) {
        auto* box = qobject_cast<TextBox*>(findBox(name));
        ASSERT_NE(box, nullptr) << name.toStdString();
        const QString shown = box->text();
        for (const QString& text : texts) {
            SCOPED_TRACE((name + ": " + text).toStdString());
            box->setText(text);
            processEvents();
            expectWhole(box);
        }
        box->setText(shown);
    }

    // A window smaller than the form scrolls to its far corner; the form keeps its size.
    QMdiSubWindow* frame = Forms::find(QLatin1String(GetParam().form))->subWindow();
    const QSize drawn = frame->size();
    main.resize(640, 480);
    processEvents();
    for (QScrollBar* bar : {main.mdiArea()->horizontalScrollBar(), main.mdiArea()->verticalScrollBar()})
        ASSERT_TRUE(bar->isVisible());
    expectWheelPassesLists(main, windows);
    for (QScrollBar* bar : {main.mdiArea()->horizontalScrollBar(), main.mdiArea()->verticalScrollBar()})
        bar->setValue(bar->maximum());
    EXPECT_EQ(frame->size(), drawn);
    EXPECT_TRUE(main.mdiArea()->viewport()->rect().contains(frame->geometry().bottomRight()));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadableFormsTest,
    ::testing::Values(Readable {"kx-servo", "frmDrive_Setup", {"frmDrive_Setup.cmdCurve"}, {"frmCurve.txtmsg"},
                                {"frmDrive_Setup.txtDrive"}, "SELECT [Drive Name] FROM [Drives]", false},
                      Readable {"drive-controller-kx", "frmDriveController_Setup",
                                {"frmDriveController_Setup.cmdDriveController", "frmDriveControl.cmdAccessories"}, {},
                                {"frmDriveController_Setup.txtDriveController", "frmDriveControl.txtResults"},
                                "SELECT [DriveController Name] FROM [DriveControllers]", true},
                      Readable {"controller-three-axes", "frmController_Setup", {}, {}, {"frmController_Setup.txtDrive"},
                                "SELECT [Drive Name] FROM [Controller to Drive]", false}),
    [](const auto& info) { return QString::fromLatin1(info.param.form).toStdString(); });

} // namespace
