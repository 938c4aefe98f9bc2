#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "support/Wheel.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// One list whose handler records the text it sees on every run.
class ListRules : public ::testing::Test {
protected:
    ListRules()
    {
        list.setClickHandler([this] { seen << list.text(); });
    }
    qsizetype clicks() const { return seen.size(); }

    ListControl list;
    QStringList seen;
};

} // namespace

TEST_F(ListRules, FillAndClearRunNothingAndSelectNothing)
{
    list.addItem("A");
    list.addItems({"B", "C"});
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    list.setListIndex(1);
    EXPECT_EQ(clicks(), 1);
    list.addItem("D"); // filling a list with a selection keeps it
    list.addItems({"E", "F"});
    EXPECT_EQ(list.text(), "B");
    EXPECT_EQ(list.items(), QStringList({"A", "B", "C", "D", "E", "F"}));
    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks(), 1);
}

TEST_F(ListRules, CodeSelectionRunsOnlyOnChange)
{
    list.addItems({"A", "B"});
    list.setListIndex(0);
    list.setListIndex(0);
    EXPECT_EQ(clicks(), 1);
    list.setListIndex(-1);
    list.setListIndex(-1);
    EXPECT_EQ(seen, (QStringList{"A", ""}));
}

TEST_F(ListRules, SelectionByTextAlwaysRunsAndReportsMissingEntry)
{
    list.addItems({"Servo", "Stepper"});
    EXPECT_TRUE(list.setText("Stepper"));
    EXPECT_TRUE(list.setText("Stepper"));
    EXPECT_EQ(clicks(), 2);
    EXPECT_TRUE(list.setText("servo")); // the original lists matched without regard to case
    EXPECT_EQ(list.text(), "Servo");
    EXPECT_FALSE(list.setText("Linear"));
    EXPECT_EQ(list.text(), "Servo");
    EXPECT_EQ(clicks(), 3);
}

TEST_F(ListRules, UserChoiceAlwaysRunsAlsoForTheSameEntry)
{
    list.addItems({"A", "B"});
    list.choose(1);
    list.choose(1);
    EXPECT_TRUE(list.choose(QStringLiteral("A")));
    EXPECT_FALSE(list.choose(QStringLiteral("Z")));
    // Qt's own signal for a user's pick is a user choice too.
    list.setCurrentIndex(1);
    emit list.activated(1);
    EXPECT_EQ(seen, (QStringList{"B", "B", "A", "B"}));
}

TEST_F(ListRules, AChoiceKnowsTheSelectionItReplacedAndRestoreRunsNothing)
{
    QList<int> former;
    list.setClickHandler([&] { former << list.formerIndex(); });
    list.addItems({"A", "B", "C"});
    list.choose(1);
    list.choose(1);
    list.setListIndex(2);
    // Qt selects a user's pick before it reports it; the same pick again changes nothing.
    list.setCurrentIndex(0);
    emit list.activated(0);
    emit list.activated(0);
    EXPECT_EQ(former, (QList<int> {-1, 1, 1, 2, 0}));
    list.restore({"X", "Y"}, 1);
    EXPECT_EQ(list.items(), (QStringList {"X", "Y"}));
    EXPECT_EQ(list.text(), "Y");
    EXPECT_EQ(former.size(), 5);
}

TEST_F(ListRules, RemovingTheSelectedEntryLeavesNoSelectionAndRunsNothing)
{
    list.addItems({"A", "B", "C"});
    list.setListIndex(1);
    list.removeItem(0);
    EXPECT_EQ(list.text(), "B");
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.items(), QStringList{"C"});
    EXPECT_EQ(clicks(), 1);
}

// A turn of the wheel over a list picks an entry only while the list has the
// keyboard focus; over any other list it scrolls what lies behind, as over
// empty space, and leaves the focus where it was.
TEST_F(ListRules, TheWheelFollowsOnlyAFocusedList)
{
    QScrollArea area;
    auto* page = new QWidget;
    page->resize(200, 2000);
    auto* typed = new QLineEdit(page);
    list.setParent(page);
    list.setGeometry(10, 40, 150, 25);
    list.addItems({"A", "B", "C"});
    list.setListIndex(0);
    area.setWidget(page);
    area.resize(220, 200);
    area.show();
    QApplication::setActiveWindow(&area);
    typed->setFocus();
    QScrollBar* bar = area.verticalScrollBar();

    Wheel::turn(&list);
    EXPECT_EQ(list.text(), "A");
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(QApplication::focusWidget(), typed);
    EXPECT_GT(bar->value(), 0);

    list.setFocus();
    const int scrolled = bar->value();
    Wheel::turn(&list);
    EXPECT_EQ(seen, (QStringList {"A", "B"}));
    EXPECT_EQ(bar->value(), scrolled);
    list.setParent(nullptr); // the fixture owns it
}

// Two lists in a cascade: the first fills the second and selects its only
// entry, whose handler runs nested before the first handler returns.
TEST(ListCascade, NestedHandlersRunInOrder)
{
    ListControl upper;
    ListControl lower;
    QStringList trace;
    bool loading = false;
    upper.setClickHandler([&] {
        trace << "upper in";
        {
            FlagGuard guard(loading, true);
            lower.clear();
            lower.addItem(upper.text() + "-1");
        }
        if (lower.listCount() == 1)
            lower.setListIndex(0);
        trace << "upper out";
    });
    lower.setClickHandler([&] {
        if (loading)
            return;
        trace << "lower " + lower.text();
    });
    upper.addItems({"X", "Y"});
    upper.choose(0);
    upper.choose(1);
    EXPECT_EQ(trace, (QStringList{"upper in", "lower X-1", "upper out", "upper in", "lower Y-1", "upper out"}));
    EXPECT_FALSE(loading);
}

TEST(ListCascade, FailingHandlerLeavesFlagsAsTheyWereAndIsReported)
{
    MsgBox::Seam seam;
    ListControl list;
    bool loadingLists = false;
    bool loadingProject = true;
    list.setClickHandler([&] {
        FlagGuard a(loadingLists, true);
        FlagGuard b(loadingProject, true);
        throw std::runtime_error("no current record");
    });
    list.addItem("A");
    EXPECT_THROW(list.setListIndex(0), std::runtime_error); // code selection: the caller handles it
    EXPECT_FALSE(loadingLists);
    EXPECT_TRUE(loadingProject);
    list.choose(0); // a user's choice is caught and reported
    EXPECT_EQ(seam.prompts(), QStringList{"no current record"});
    EXPECT_FALSE(loadingLists);
}

TEST(MultiListRules, CodeSelectionRunsOnChangeAndFillRunsNothing)
{
    MultiList box;
    int clicks = 0;
    box.setClickHandler([&] { ++clicks; });
    box.addItem("A = One");
    box.addItem("B = Two");
    box.setSelected(1, true);
    box.setSelected(1, true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(box.selectedRows(), QList<int>{1});
    box.choose(0);
    box.choose(0);
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(box.selected(0));
    box.clear();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(box.listCount(), 0);
}

TEST(OptionButtonRules, ChoosingFromCodeRunsNestedOnlyWhenItChanges)
{
    QWidget group;
    OptionButton a("A", &group);
    OptionButton b("B", &group);
    QStringList trace;
    a.setClickHandler([&] { trace << "a"; });
    b.setClickHandler([&] { trace << "b"; });
    a.setValue(true);
    a.setValue(true);
    b.setValue(true);
    EXPECT_FALSE(a.value());
    b.choose();
    EXPECT_EQ(trace, (QStringList{"a", "b", "b"}));
    // Cleared from code, the chosen button reads False and the group keeps none.
    b.setValue(false);
    EXPECT_FALSE(b.value());
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.autoExclusive());
    a.setValue(true);
    EXPECT_EQ(trace, (QStringList{"a", "b", "b", "a"}));
}
