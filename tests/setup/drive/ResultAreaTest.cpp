#include "DriveFormTest.h"

#include "setup/common/ResultArea.h"
#include "setup/common/TextBox.h"
#include "setup/drive/frmDrive_Setup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

TEST(ResultAreaBatch, WidgetsShownInABatchAppearTogetherAtItsEnd)
{
    QWidget form;
    form.resize(300, 200);
    auto* area = new ResultArea(&form);
    auto* shown = new QLabel(area);
    auto* later = new QLabel(area);
    auto* focused = new QLineEdit(area);
    shown->hide();
    later->hide();
    form.show();
    QApplication::setActiveWindow(&form);
    focused->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focused);

    {
        ResultArea::Batch outer(area);
        {
            ResultArea::Batch nested(area);
            ResultArea::reveal(area, shown);
            EXPECT_TRUE(area->isHidden());
            EXPECT_FALSE(shown->isHidden()); // each widget's own flag is as the step set it
        }
        EXPECT_TRUE(area->isHidden()); // only the outermost batch ends it
        ResultArea::reveal(area, later);
    }
    EXPECT_FALSE(area->isHidden());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(later->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), focused);

    // A handler that fails still brings the area back; outside a batch a widget just shows.
    shown->hide();
    try {
        ResultArea::Batch failing(area);
        ResultArea::reveal(area, shown);
        throw std::runtime_error("step failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(shown->isVisible());
    shown->hide();
    ResultArea::reveal(area, shown);
    EXPECT_TRUE(shown->isVisible());
    ResultArea::reveal(nullptr, shown);

    // A replay holds the area from its start, also for what it shows directly.
    {
        ResultArea::Batch replay(area, ResultArea::Batch::AtOnce);
        EXPECT_TRUE(area->isHidden());
        later->hide();
        later->show();
    }
    EXPECT_FALSE(area->isHidden());
    EXPECT_TRUE(later->isVisible());
}

class DriveResultAreaTest : public DriveFormTest {};

TEST_F(DriveResultAreaTest, ResultsAreInSightAfterChoicesAndReplay)
{
    configure(kLmServo);
    auto* area = form()->findChild<ResultArea*>(QStringLiteral("ResultArea"));
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->isHidden());
    EXPECT_TRUE(area->isAncestorOf(box("txtDrive")));
    EXPECT_FALSE(hidden("txtDrive"));
    const QString saved = form()->Save_String();
    openProject(saved);
    EXPECT_FALSE(area->isHidden());
    EXPECT_EQ(form()->Save_String(), saved);
}
