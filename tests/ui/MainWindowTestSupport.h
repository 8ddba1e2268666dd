#pragma once
// A Prompts that records every message and question and answers from a
// script, for driving the main window without a person.

#include "interact/Prompts.h"

#include <QApplication>
#include <QWidget>
#include <deque>
#include <vector>

namespace torval::test {

struct RecordingPrompts : Prompts {
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons = Buttons::Ok;
    };
    std::vector<Shown> shown;
    std::deque<Answer> answers;

    void message(const QString& text, Icon icon) override { shown.push_back({text, icon, Buttons::Ok}); }
    Answer question(const QString& text, Icon icon, Buttons buttons) override
    {
        shown.push_back({text, icon, buttons});
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName() override { return std::nullopt; }
};

// Lets queued focus and leave handling run.
inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Moves the focus from one field to another the way a click or Tab does.
inline void moveFocus(QWidget* from, QWidget* to)
{
    from->setFocus(Qt::OtherFocusReason);
    settle();
    to->setFocus(Qt::OtherFocusReason);
    settle();
}

} // namespace torval::test
