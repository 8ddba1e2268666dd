#pragma once
// The one scripted user of the tests: a Prompts that records every message
// box and question and answers from a script, and a BusyIndicator that
// records what the busy window would show and can press Storno.

#include "interact/Prompts.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace torval::test {

struct Shown {
    QString text;
    Icon icon;
    Buttons buttons = Buttons::Ok; // Ok for a message box
};

class FakePrompts : public Prompts {
public:
    std::vector<Shown> all;     // messages and questions, in the order asked
    std::vector<Shown> shown;   // the messages alone
    std::vector<Shown> asked;   // the questions alone
    std::deque<Answer> answers; // answers in turn; then `otherwise`
    Answer otherwise = Answer::No;
    std::function<void()> onMessage; // runs while the message is "open"
    // The file dialogs' answers: the queued paths in turn, then the
    // standing answer (nullopt: Storno).
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    std::optional<QString> openName;
    std::optional<QString> saveName;

    void message(const QString& text, Icon icon) override
    {
        all.push_back({text, icon});
        shown.push_back({text, icon});
        if (onMessage)
            onMessage();
    }
    Answer question(const QString& text, Icon icon, Buttons buttons) override
    {
        all.push_back({text, icon, buttons});
        asked.push_back({text, icon, buttons});
        if (answers.empty())
            return otherwise;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> openFileName() override { return next(openPaths, openName); }
    std::optional<QString> saveFileName() override { return next(savePaths, saveName); }

    // The texts of the messages (without the questions).
    QStringList texts() const { return textsOf(shown); }
    QStringList questionTexts() const { return textsOf(asked); }
    QStringList allTexts() const { return textsOf(all); }
    void clear()
    {
        all.clear();
        shown.clear();
        asked.clear();
    }

private:
    static std::optional<QString> next(std::deque<QString>& queue, const std::optional<QString>& standing)
    {
        if (queue.empty())
            return standing;
        QString path = queue.front();
        queue.pop_front();
        return path;
    }
    static QStringList textsOf(const std::vector<Shown>& v)
    {
        QStringList l;
        for (const auto& s : v)
            l << s.text;
        return l;
    }
};

class FakeBusy : public BusyIndicator {
public:
    bool cancel = false; // Storno pressed
    bool visible = false;
    QStringList texts; // every text shown, in turn
    QStringList log;   // "show:TEXT[ +Storno]", each new text, "hide"
    std::vector<std::pair<int, int>> progress;

    void showBusy(const QString& text, bool withStorno) override
    {
        cancel = false;
        visible = true;
        texts << text;
        log << QStringLiteral("show:") + text + (withStorno ? QStringLiteral(" +Storno") : QString());
    }
    void setBusyText(const QString& text) override
    {
        texts << text;
        log << text;
    }
    void setProgress(int done, int total) override { progress.emplace_back(done, total); }
    void hideBusy() override
    {
        visible = false;
        log << QStringLiteral("hide");
    }
    bool cancelRequested() const override { return cancel; }
};

} // namespace torval::test
