// Arbitrary bytes as the stations table of series programming, as a
// spreadsheet may save it in UTF-8 or Windows-1250: the decoding, the cell
// splitter, the header and every row's checks. A text that Windows-1250 can
// hold must give the same stations from either encoding.

#include "model/Cp1250.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "provisioning/Provisioner.h"

#include <QStringDecoder>

using namespace torval;

namespace {

void checkTable(const StationTable& t)
{
    if (!t.error.isEmpty() && !(t.rows.empty() && t.problems.empty()))
        __builtin_trap(); // an unusable table has no rows
    static EepromImage image;
    for (const StationRow& r : t.rows) {
        if (r.line < 2)
            __builtin_trap(); // line 1 is the header
        for (const RowProblem& p : t.problems)
            if (p.line == r.line)
                __builtin_trap(); // a row is either good or refused
        if (encodeImage(r.config, image) != EncodeError::None)
            __builtin_trap(); // a good row is one the station can hold
    }
}

QStringList names(const StationTable& t)
{
    QStringList l;
    for (const StationRow& r : t.rows)
        l << QString::number(r.line) + QLatin1Char(':') + r.config.tabJmenoStanice;
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const DeviceConfig templ = [] {
        DeviceConfig c;
        c.tabJmenoStanice = QStringLiteral("Šablona");
        c.tabPIN = QStringLiteral("1234");
        return c;
    }();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const StationTable t = readStationTable(bytes, templ);
    checkTable(t);

    // The same text saved the other way round.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || text.startsWith(QChar(0xFEFF)))
        return 0;
    const QByteArray cp = toCp1250(text);
    if (cp == bytes || fromCp1250(cp) != text)
        return 0; // plain ASCII, or a text Windows-1250 cannot hold
    QStringDecoder probe(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)probe.decode(cp);
    if (!probe.hasError())
        return 0; // by chance valid UTF-8 as well: read as UTF-8, rightly
    const StationTable other = readStationTable(cp, templ);
    checkTable(other);
    if (other.error != t.error || names(other) != names(t) || other.problems.size() != t.problems.size())
        __builtin_trap();
    return 0;
}
