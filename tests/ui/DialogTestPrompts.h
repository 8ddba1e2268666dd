#pragma once
// A Prompts that answers nothing and records every message with its icon.

#include "interact/Prompts.h"

#include <QString>
#include <utility>
#include <vector>

namespace torval::test {

class DialogTestPrompts final : public Prompts {
public:
    void message(const QString& text, Icon icon) override { messages.emplace_back(text, icon); }
    Answer question(const QString& text, Icon icon, Buttons) override
    {
        messages.emplace_back(text, icon);
        return Answer::No;
    }
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName() override { return std::nullopt; }

    std::vector<std::pair<QString, Icon>> messages;
};

} // namespace torval::test
