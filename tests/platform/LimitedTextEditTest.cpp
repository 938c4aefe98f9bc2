#include "platform/LimitedTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

void press(QWidget& box, Qt::Key key, const QString& text)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&box, &event);
}

} // namespace

// Whatever way the user puts text in, the box keeps at most its length; editing goes on at the bound.
TEST(LimitedTextEdit, TakesNoMoreThanItsLengthTypedPastedOrComposed)
{
    LimitedTextEdit box(8);
    QApplication::clipboard()->setText(QString(5'000'000, QLatin1Char('x')));
    box.paste();
    EXPECT_EQ(box.toPlainText(), "xxxxxxxx");

    press(box, Qt::Key_A, "a");
    press(box, Qt::Key_Return, "\r");
    EXPECT_EQ(box.toPlainText(), "xxxxxxxx");
    press(box, Qt::Key_Backspace, "\b");
    press(box, Qt::Key_A, "a");
    EXPECT_EQ(box.toPlainText(), "xxxxxxxa");

    // A selection makes room for what replaces it; no half of a surrogate pair goes in.
    box.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1234567\U0001F600"));
    box.paste();
    EXPECT_EQ(box.toPlainText(), "1234567");

    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("yz"));
    QApplication::sendEvent(&box, &composed);
    EXPECT_EQ(box.toPlainText(), "1234567y");

    // Text from code is taken whole.
    box.setPlainText(QStringLiteral("longer than eight"));
    EXPECT_EQ(box.toPlainText(), "longer than eight");
}
