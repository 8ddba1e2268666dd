#include "files/SettingsFile.h"

#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"

#include "support/UserFakes.h"

#include <gtest/gtest.h>

#include <csignal>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace torval;

namespace {

// The user answers every question alike.
test::FakePrompts answering(Answer a)
{
    test::FakePrompts p;
    p.otherwise = a;
    return p;
}

EepromImage patterned()
{
    EepromImage img;
    for (int a = 0; a < EepromImage::kSize; ++a)
        EXPECT_TRUE(img.writeImageByte((a * 7 + 3) % 256, a));
    return img;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& b)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(b), b.size());
}

} // namespace

TEST(WriteSettingsFile, WritesOneByteLessThanTheSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.eep");
    const EepromImage img = patterned();
    test::FakePrompts p = answering(Answer::Yes);
    ASSERT_TRUE(writeSettingsFile(path, img, 300, p));
    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 299);
    for (int a = 0; a < 299; ++a)
        ASSERT_EQ(static_cast<unsigned char>(b[a]), img.at(a)) << a;
    EXPECT_TRUE(p.questionTexts().isEmpty());
}

TEST(WriteSettingsFile, OverwriteQuestion)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.eep");
    const QByteArray old(5000, 'o');
    const EepromImage img = patterned();
    for (Answer answer : {Answer::No, Answer::Yes}) {
        writeBytes(path, old);
        test::FakePrompts p = answering(answer);
        EXPECT_TRUE(writeSettingsFile(path, img, 429, p));
        ASSERT_EQ(p.questionTexts(), QStringList{"Tento soubor již existuje. Mám ho přepsat?"});
        EXPECT_EQ(p.asked.back().icon, Icon::Question);
        EXPECT_EQ(p.asked.back().buttons, Buttons::YesNo);
        EXPECT_TRUE(p.texts().isEmpty());
        const QByteArray now = fileBytes(path);
        if (answer == Answer::No) {
            EXPECT_EQ(now, old);
        } else {
            // Replaced completely: no tail of the longer old file.
            ASSERT_EQ(now.size(), 428);
            EXPECT_EQ(static_cast<unsigned char>(now[427]), img.at(427));
        }
    }
}

TEST(WriteSettingsFile, FailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.eep");
    const QByteArray old(100, 'o');
    writeBytes(path, old);
    // The folder cannot take the new file beside the old one.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    test::FakePrompts p = answering(Answer::Yes);
    EXPECT_FALSE(writeSettingsFile(dir.filePath("missing/folder/b.eep"), patterned(), 429, p));
    const bool written = writeSettingsFile(path, patterned(), 429, p);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.path()).isWritable() && written)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path), old);
}

#ifndef _WIN32 // no file size limit there
// A disk that fills up in the middle of the save (here: a file size limit,
// which binds root as well) must leave the old file as it was.
TEST(WriteSettingsFile, DiskFullMidWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.eep");
    const QByteArray old(100, 'o');
    writeBytes(path, old);
    test::FakePrompts p = answering(Answer::Yes);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeSettingsFile(path, patterned(), 429, p);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path).size(), old.size());
    EXPECT_EQ(fileBytes(path), old);
}
#endif

TEST(ReadSettingsFile, ReadsIntoThePrefixOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.eep");
    writeBytes(path, QByteArray(299, '\x11'));
    EepromImage img = patterned();
    const EepromImage before = img;
    ASSERT_TRUE(readSettingsFile(path, img));
    for (int a = 0; a < 299; ++a)
        ASSERT_EQ(img.at(a), 0x11);
    for (int a = 299; a < EepromImage::kSize; ++a)
        ASSERT_EQ(img.at(a), before.at(a)) << a;
}

TEST(ReadSettingsFile, FailuresLeaveTheImageUntouched)
{
    QTemporaryDir dir;
    struct Case {
        const char* what;
        QString path;
        bool ok;
    };
    writeBytes(dir.filePath("full.eep"), QByteArray(65536, '\x22'));
    writeBytes(dir.filePath("long.eep"), QByteArray(65537, '\x22'));
    writeBytes(dir.filePath("empty.eep"), QByteArray());
    const Case cases[] = {
        {"exactly the image", dir.filePath("full.eep"), true},
        {"one byte too long", dir.filePath("long.eep"), false},
        {"empty file", dir.filePath("empty.eep"), true},
        {"missing file", dir.filePath("none.eep"), false},
        {"a folder", dir.path(), false},
    };
    for (const auto& k : cases) {
        EepromImage img = patterned();
        const EepromImage before = img;
        EXPECT_EQ(readSettingsFile(k.path, img), k.ok) << k.what;
        if (!k.ok || QString(k.what) == "empty file") {
            EXPECT_TRUE(img == before) << k.what;
        }
    }
}

TEST(SettingsFile, SavedSettingsLoadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.eep");
    DeviceConfig c;
    c.tabJmenoStanice = "Vodárna Kyjov";
    c.tabTC[0] = "+420602909909";
    c.tabOUTNazev[1] = "SVETLO";
    c.rtNotAuthorized = "Nepovolený přístup";
    EepromImage img;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    test::FakePrompts p = answering(Answer::Yes);
    ASSERT_TRUE(writeSettingsFile(path, img, settingsSize(c), p));
    EepromImage loaded;
    ASSERT_TRUE(readSettingsFile(path, loaded));
    ASSERT_TRUE(imageHeaderValid(loaded));
    const DecodeResult r = decodeImage(loaded, DeviceConfig{});
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.config, c);
}
