// Encoding, decoding and the size estimate of a full configuration: every
// text at its typing limit. The estimate runs on every keystroke.

#include "model/ConfigFields.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"

#include <benchmark/benchmark.h>

using namespace torval;

namespace {

DeviceConfig fullConfig(bool czech)
{
    DeviceConfig c;
    const QString fill =
        czech ? QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy ") : QStringLiteral("ABCDEFGHIJ");
    for (const FieldDef& f : configFields()) {
        if (f.kind != FieldKind::Text || f.maxLength < 100)
            continue;
        for (int i = 0; i < f.count; ++i) {
            QString s;
            while (s.size() < f.maxLength)
                s += fill;
            *f.text(c, i) = s.left(f.maxLength);
        }
    }
    for (int i = 0; i < kPhoneCount; ++i)
        c.tabTC[std::size_t(i)] = QStringLiteral("+") + QString(49, QLatin1Char('0' + i));
    c.tabPIN = QStringLiteral("12345678");
    c.tabTCcentra = QStringLiteral("+420602909909");
    c.rtBattLow = c.tabAINCL1Dn[kBatteryInput];
    return c;
}

void encodeFull(benchmark::State& state)
{
    const DeviceConfig c = fullConfig(state.range(0) != 0);
    EepromImage image;
    for (auto _ : state) {
        const EncodeError e = encodeImage(c, image);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(encodeFull)->Arg(0)->Arg(1)->ArgName("czech")->Unit(benchmark::kMicrosecond);

void decodeFull(benchmark::State& state)
{
    const DeviceConfig c = fullConfig(state.range(0) != 0);
    EepromImage image;
    if (encodeImage(c, image) != EncodeError::None) {
        state.SkipWithError("encoding failed");
        return;
    }
    for (auto _ : state) {
        DecodeResult r = decodeImage(image, c);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(decodeFull)->Arg(0)->Arg(1)->ArgName("czech")->Unit(benchmark::kMicrosecond);

void sizeAfterKeystroke(benchmark::State& state)
{
    DeviceConfig c = fullConfig(state.range(0) != 0);
    QString& field = c.tabINPNazev[3];
    field.chop(1);
    for (auto _ : state) {
        field.append(QLatin1Char('x')); // one keystroke, then the estimate
        benchmark::DoNotOptimize(settingsSize(c));
        field.chop(1);
    }
}
BENCHMARK(sizeAfterKeystroke)->Arg(0)->Arg(1)->ArgName("czech")->Unit(benchmark::kMicrosecond);

} // namespace
