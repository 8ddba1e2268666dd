#pragma once
// Scripted user and busy window for driving the link headless.

#include "interact/Prompts.h"
#include "link/SerialLine.h"
#include "link/EventPump.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace torval::test {

struct Shown {
    QString text;
    Icon icon;
};

class FakePrompts : public Prompts {
public:
    std::vector<Shown> shown;
    std::vector<Shown> asked;
    std::deque<Answer> answers;
    std::function<void()> onMessage; // runs while the message is "open"
    void message(const QString& text, Icon icon) override
    {
        shown.push_back({text, icon});
        if (onMessage)
            onMessage();
    }
    Answer question(const QString& text, Icon icon, Buttons) override
    {
        asked.push_back({text, icon});
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName() override { return std::nullopt; }
    QStringList texts() const
    {
        QStringList l;
        for (const auto& s : shown)
            l << s.text;
        return l;
    }
};

class FakeBusy : public BusyIndicator {
public:
    bool cancel = false;
    bool visible = false;
    QStringList texts;
    std::vector<std::pair<int, int>> progress;
    void showBusy(const QString& text, bool) override
    {
        cancel = false;
        visible = true;
        texts << text;
    }
    void setBusyText(const QString& text) override { texts << text; }
    void setProgress(int done, int total) override { progress.emplace_back(done, total); }
    void hideBusy() override { visible = false; }
    bool cancelRequested() const override { return cancel; }
};

// A line whose far end is a function from one request payload to the raw
// bytes sent back, delivered through the pump.
class ScriptedLine : public SerialLine {
public:
    explicit ScriptedLine(EventPump& pump) : m_pump(pump) {}
    std::function<QByteArray(const QByteArray& payload)> answer;
    std::vector<QByteArray> requests;
    bool opened = false;
    QByteArray input;

    bool open(const QString&) override { return opened = true; }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool write(std::span<const std::uint8_t> bytes) override
    {
        const QByteArray f(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        const QByteArray payload = f.left(f.size() - 2);
        requests.push_back(payload);
        if (answer) {
            const QByteArray r = answer(payload);
            m_pump.post(1, [this, r] { input.append(r); });
        }
        return true;
    }
    qint64 bytesAvailable() const override { return input.size(); }
    QByteArray read(qint64 maxBytes) override
    {
        const QByteArray out = input.left(maxBytes);
        input.remove(0, out.size());
        return out;
    }
    bool hasFailed() const override { return false; }
    QString errorText() const override { return {}; }

private:
    EventPump& m_pump;
};

// Wire frame written out by hand: payload, checksum (sum + 1, 13 -> 12), CR.
inline QByteArray wire(QByteArray payload)
{
    unsigned sum = 1;
    for (char c : payload)
        sum += std::uint8_t(c);
    std::uint8_t k = std::uint8_t(sum & 0xFF);
    if (k == 13)
        k = 12;
    payload.append(char(k));
    payload.append('\r');
    return payload;
}

} // namespace torval::test
