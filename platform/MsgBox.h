#pragma once

#include "platform/SeamStack.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

// Message boxes of the program. Tests install a MsgBox::Seam, which answers
// from a queue and records every message instead of showing a window.
class MsgBox {
public:
    enum Buttons { OKOnly, OKCancel, YesNo, YesNoCancel };
    enum Icon { NoIcon, Critical, Question, Exclamation, Information };
    enum Answer { OK, Cancel, Yes, No };

    struct Message {
        QString prompt;
        Buttons buttons = OKOnly;
        QString title;
        Icon icon = NoIcon;
    };

    static Answer show(const QString& prompt, Buttons buttons, const QString& title,
                       Icon icon = NoIcon);

    class Seam : public SeamStack<Seam> {
    public:
        // Answers are taken in order; with none queued the answerer answers,
        // else the first button.
        void queue(Answer answer) { m_answers.push_back(answer); }
        void answerWith(std::function<Answer(const Message&)> answerer) { m_answerer = std::move(answerer); }
        const QList<Message>& messages() const { return m_messages; }
        QStringList prompts() const;
        void clear() { m_messages.clear(); }

    private:
        friend class MsgBox;
        Answer answer(const Message& message);

        std::deque<Answer> m_answers;
        std::function<Answer(const Message&)> m_answerer;
        QList<Message> m_messages;
    };
};
