#include "report/PrintJob.h"

#include "report/PrinterDevice.h"
#include "report/RecordingSurface.h"

#include "support/QStringPrinter.h"
#include "support/UserFakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace torval {
namespace {

struct FakePrinter final : PrinterDevice {
    std::optional<int> copies;
    int failBeginAt = 0; // document number whose start fails, 0: none
    int failEndAt = 0;
    int begun = 0;
    bool open = false;
    std::vector<std::unique_ptr<RecordingSurface>> documents;

    std::optional<int> choosePrinter() override { return copies; }
    Surface* beginDocument() override
    {
        EXPECT_FALSE(open);
        if (++begun == failBeginAt)
            return nullptr;
        open = true;
        documents.push_back(std::make_unique<RecordingSurface>(11906, 16838));
        return documents.back().get();
    }
    bool endDocument() override
    {
        EXPECT_TRUE(open);
        open = false;
        return int(documents.size()) != failEndAt;
    }
};

std::vector<QString> headerPages(const RecordingSurface& s)
{
    std::vector<QString> out;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Text && op.text.endsWith(QStringLiteral(". stránka")))
            out.push_back(op.text);
    return out;
}

TEST(PrintJob, EachCopyIsItsOwnDocumentNumberedFromOne)
{
    FakePrinter printer;
    printer.copies = 3;
    test::FakeBusy busy;
    EXPECT_EQ(printSettings(DeviceConfig{}, printer, busy), PrintOutcome::Printed);

    ASSERT_EQ(printer.documents.size(), 3u);
    const auto first = headerPages(*printer.documents[0]);
    ASSERT_GE(first.size(), 2u);
    EXPECT_EQ(first.front(), QStringLiteral("1. stránka"));
    for (const auto& doc : printer.documents)
        EXPECT_EQ(headerPages(*doc), first);

    ASSERT_FALSE(busy.log.empty());
    EXPECT_EQ(busy.log.front(), QStringLiteral("show:Příprava tisku ... +Storno"));
    EXPECT_EQ(busy.log.back(), QStringLiteral("hide"));
    const auto logged = [&](const QString& t) {
        return std::find(busy.log.begin(), busy.log.end(), t) != busy.log.end();
    };
    EXPECT_TRUE(logged(QStringLiteral("Tisk 1. stránky\r\n1. kopie z 3")));
    EXPECT_TRUE(logged(QStringLiteral("Tisk 1. stránky\r\n2. kopie z 3")));
    EXPECT_TRUE(logged(QStringLiteral("Tisk 2. stránky\r\n2. kopie z 3")));
    EXPECT_TRUE(logged(QStringLiteral("Tisk %1. stránky\r\n3. kopie z 3").arg(first.size())));
    EXPECT_FALSE(logged(QStringLiteral("Tisk 1. stránky\r\n4. kopie z 3")));
}

TEST(PrintJob, CancelAndFailuresEndSilently)
{
    const struct {
        const char* what;
        std::optional<int> copies;
        int failBeginAt;
        int failEndAt;
        PrintOutcome outcome;
        std::size_t documents;
        bool busyShown;
    } cases[] = {
        {"dialog cancelled", std::nullopt, 0, 0, PrintOutcome::Cancelled, 0, false},
        {"zero copies", 0, 0, 0, PrintOutcome::Cancelled, 0, false},
        {"second copy cannot start", 3, 2, 0, PrintOutcome::Failed, 1, true},
        {"first copy fails to print", 2, 0, 1, PrintOutcome::Failed, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePrinter printer;
        printer.copies = c.copies;
        printer.failBeginAt = c.failBeginAt;
        printer.failEndAt = c.failEndAt;
        test::FakeBusy busy;
        EXPECT_EQ(printSettings(DeviceConfig{}, printer, busy), c.outcome);
        EXPECT_EQ(printer.documents.size(), c.documents);
        EXPECT_EQ(busy.log.empty(), !c.busyShown);
        EXPECT_FALSE(busy.visible);
    }
}

} // namespace
} // namespace torval
