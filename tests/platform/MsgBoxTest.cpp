#include "platform/MsgBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs check on the box MsgBox::show puts up, then presses key in it.
MsgBox::Answer showAndPress(const QString& prompt, MsgBox::Buttons buttons, Qt::Key key,
                            const std::function<void(QWidget&)>& check)
{
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) {
            ADD_FAILURE() << "no box up";
            return;
        }
        check(*box);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : box, &press);
        if (box->isVisible()) {
            ADD_FAILURE() << "the key left the box up";
            box->close();
        }
    });
    return MsgBox::show(prompt, buttons, "Brevan Quenro", MsgBox::Exclamation);
}

} // namespace

// Every difference of a project from the catalogue in one message: the box
// stays on the screen with its buttons, the text wraps and scrolls, whole.
TEST(MsgBox, LongPromptScrollsInABoxOnTheScreen)
{
    QStringList lines;
    for (int i = 1; i <= 33; ++i)
        lines << QString("Position %1: the catalogue no longer offers the drive the project names, so it is billed "
                         "at what the maker quotes for its nearest successor today.")
                     .arg(i);
    lines[20] = "Picture file: /" + QString("deep/").repeated(120) + "drive.png"; // no place to wrap
    const QString prompt = lines.join("\r\n");

    for (auto [key, answer] : {std::pair{Qt::Key_Return, MsgBox::Yes}, std::pair{Qt::Key_Escape, MsgBox::No}}) {
        EXPECT_EQ(showAndPress(prompt, MsgBox::YesNo, key, [&](QWidget& box) {
                      const QRect screen = box.screen()->availableGeometry();
                      EXPECT_TRUE(screen.contains(box.frameGeometry())) << "box of " << box.frameGeometry().height();
                      const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
                      ASSERT_EQ(buttons.size(), 2);
                      for (const QPushButton* button : buttons)
                          EXPECT_TRUE(screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())));

                      auto* text = box.findChild<QPlainTextEdit*>();
                      ASSERT_TRUE(text);
                      EXPECT_EQ(text->toPlainText(), lines.join('\n'));
                      EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
                      EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
                  }),
                  answer);
    }
}

TEST(MsgBox, ShortPromptIsAPlainMessageBox)
{
    const QString prompt = "The project was saved.\r\nIts bill is priced at today's catalogue.";
    EXPECT_EQ(showAndPress(prompt, MsgBox::OKCancel, Qt::Key_Escape, [&](QWidget& box) {
                  auto* plain = qobject_cast<QMessageBox*>(&box);
                  ASSERT_TRUE(plain);
                  EXPECT_EQ(plain->text(), prompt);
              }),
              MsgBox::Cancel);
}
