// The write history: what it keeps, and that a write is refused when its
// backup cannot be kept.

#include "history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

using namespace torval;

namespace {

WriteRecord backup(const QString& station, const QByteArray& before)
{
    WriteRecord r;
    r.station = station;
    r.product = QStringLiteral("TORVAL GSM");
    r.version = QStringLiteral("1.0");
    r.memorySize = 65472;
    r.port = QStringLiteral("/dev/ttyUSB0");
    r.program = WriteProgram::Provision;
    r.before = before;
    return r;
}

struct HistoryStoreTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("data/history.sqlite"));
};

TEST_F(HistoryStoreTest, KeepsTheBackupThenTheWriteNewestFirstAndFiltersByStation)
{
    HistoryStore store(path);
    const auto a = store.begin(backup(QStringLiteral("ČERPADLO 1"), QByteArray("\x00\xff", 2)));
    const auto b = store.begin(backup(QString(), QByteArray("old"))); // a station without a name
    ASSERT_TRUE(a && b) << store.error().toStdString();
    ASSERT_TRUE(store.finish(*a, WriteResult::WrittenUnchecked, QByteArray("new\x00", 4)));

    const auto all = store.list();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].id, *b);
    EXPECT_EQ(all[0].result, WriteResult::Pending);
    EXPECT_EQ(all[0].station, QString());
    const auto found = store.list(QStringLiteral("čerp"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].station, QStringLiteral("ČERPADLO 1"));

    const auto r = HistoryStore(path).record(*a); // another connection sees it
    ASSERT_TRUE(r);
    EXPECT_EQ(r->before, QByteArray("\x00\xff", 2));
    EXPECT_EQ(r->written, QByteArray("new\x00", 4));
    EXPECT_EQ(r->result, WriteResult::WrittenUnchecked);
    EXPECT_EQ(r->memorySize, 65472);
    EXPECT_EQ(r->port, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(r->program, WriteProgram::Provision);
}

TEST_F(HistoryStoreTest, ABackupThatCannotBeKeptIsRefusedWithItsReason)
{
    HistoryStore full(path);
    ASSERT_TRUE(full.open());
    full.limitPages(8);
    const QByteArray big(64 * 1024, 'x');
    EXPECT_FALSE(full.begin(backup(QStringLiteral("A"), big)));
    EXPECT_TRUE(full.error().contains(QStringLiteral("disk je plný"))) << full.error().toStdString();
    EXPECT_TRUE(full.error().contains(QStringLiteral("stanice je beze změny")));
    EXPECT_TRUE(full.list().empty());

    // A file where its folder should be.
    QFile blocker(dir.filePath(QStringLiteral("soubor")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    HistoryStore nowhere(dir.filePath(QStringLiteral("soubor/history.sqlite")));
    EXPECT_FALSE(nowhere.begin(backup(QStringLiteral("A"), "x")));
    EXPECT_FALSE(nowhere.error().isEmpty());
}

TEST_F(HistoryStoreTest, ADamagedDatabaseIsSetAsideAndANewOneStarted)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("data"))));
    const QByteArray garbage(8192, '\x5a');
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(garbage);
    f.close();

    HistoryStore store(path);
    ASSERT_TRUE(store.open()) << store.error().toStdString();
    EXPECT_FALSE(store.notice().isEmpty());
    const QStringList aside =
        QDir(dir.filePath(QStringLiteral("data"))).entryList({QStringLiteral("history.sqlite.*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(QStringLiteral("data/") + aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
    EXPECT_TRUE(store.begin(backup(QStringLiteral("A"), "x")));
}

TEST_F(HistoryStoreTest, PortsRecordingAtOnceLoseNoRecord)
{
    ASSERT_TRUE(HistoryStore(path).open()); // created once, as the first port would
    constexpr int kPorts = 4, kEach = 25;
    std::vector<std::thread> ports;
    std::atomic<int> failures{0};
    for (int p = 0; p < kPorts; ++p)
        ports.emplace_back([&, p] {
            HistoryStore store(path); // one connection per thread
            for (int i = 0; i < kEach; ++i) {
                const auto id = store.begin(backup(QStringLiteral("P%1").arg(p), QByteArray(2048, char(i))));
                if (!id || !store.finish(*id, WriteResult::Written, QByteArray(2048, char(p))))
                    ++failures;
            }
        });
    for (auto& t : ports)
        t.join();
    EXPECT_EQ(failures, 0);
    HistoryStore store(path);
    EXPECT_EQ(store.list().size(), std::size_t(kPorts * kEach));
    EXPECT_EQ(store.list(QStringLiteral("P2")).size(), std::size_t(kEach));
}

} // namespace
