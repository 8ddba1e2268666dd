#pragma once
// Scripted lines and the scripted user for driving the link headless.

#include "link/EventPump.h"
#include "link/SerialLine.h"
#include "support/UserFakes.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace torval::test {

// A line whose far end is a function from one request payload to the raw
// bytes sent back, delivered through the pump.
class ScriptedLine : public SerialLine {
public:
    explicit ScriptedLine(EventPump& pump) : m_pump(pump) { }
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
