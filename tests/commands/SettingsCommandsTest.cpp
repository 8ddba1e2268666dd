#include "commands/SettingsCommands.h"
#include "link/LinkFakes.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/SettingsDocument.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "support/QStringPrinter.h"
#include "support/SimulatedStation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

using namespace torval;
using namespace torval::test;

namespace {

// Names the first field in which two configurations differ, for readable failures.
QString firstDifference(const DeviceConfig& a, const DeviceConfig& b)
{
    for (const FieldDef& f : configFields())
        for (int i = 0; i < f.count; ++i)
            if (valueText(a, f, i) != valueText(b, f, i))
                return QStringLiteral("%1[%2]: '%3' vs '%4'")
                    .arg(QString::fromLatin1(f.name))
                    .arg(i)
                    .arg(valueText(a, f, i), valueText(b, f, i));
    return a == b ? QString() : QStringLiteral("scales differ");
}

class RecordingView : public CommandView {
public:
    std::vector<int> tabs;
    std::vector<std::pair<QString, int>> focused;
    void showTab(int tab) override { tabs.push_back(tab); }
    void focusField(const FieldDef& f, int index) override { focused.emplace_back(QString::fromLatin1(f.name), index); }
};

struct CommandsFixture : ::testing::Test, test::SimulatedStation {
    SettingsDocument doc;
    EepromImage image;
    RecordingView view;
    CommandContext ctx{doc, image, prompts, busy, &view, &link, true};
    QTemporaryDir dir;

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void up(int memoryCode)
    {
        station.setIdentity({{130, 211, 25}, 1, 0, memoryCode, 4});
        ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
        station.clearRequests();
        prompts.shown.clear();
    }
    int writesSent() const
    {
        int n = 0;
        for (const auto& r : station.requests())
            n += r.command == 0x05;
        return n;
    }
    void setText(FieldId id, int index, const QString& value) { doc.setText(field(id), index, value); }
};

TEST_F(CommandsFixture, FileRoundTripKeepsEverySettingAndReportsOnlyTheLoad)
{
    setText(FieldId::tabJmenoStanice, 0, QStringLiteral("Čerpadlo 3"));
    // The not-authorized flag travels only with its text.
    setText(FieldId::rtNotAuthorized, 0, QStringLiteral("Pristup odepren"));
    setText(FieldId::tabOUTNazev, 1, QStringLiteral("SVETLO"));
    setText(FieldId::tabTC, 2, QStringLiteral("+420602909909"));
    doc.setFlag(field(FieldId::tabTCPrijem), 2, true);
    const DeviceConfig saved = doc.config();

    prompts.openName = prompts.saveName = file("a.eep");
    EXPECT_EQ(saveSettingsToFile(ctx), CommandOutcome::Done);
    EXPECT_TRUE(prompts.shown.empty()) << "a saved file shows no message";
    EXPECT_EQ(QFileInfo(*prompts.saveName).size(), doc.settingsSize() - 1);

    SettingsDocument other;
    EepromImage otherImage;
    CommandContext c2{other, otherImage, prompts, busy, &view, nullptr, true};
    EXPECT_EQ(loadSettingsFromFile(c2), CommandOutcome::Done);
    EXPECT_EQ(firstDifference(other.config(), saved), QString());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Data ze souboru '" + *prompts.saveName + "' byla úspěšně načtena.");
    EXPECT_EQ(prompts.shown[0].icon, Icon::Information);
    EXPECT_EQ(view.tabs, std::vector<int>{0});
    EXPECT_FALSE(busy.visible);
}

TEST_F(CommandsFixture, InvalidOrUnreadableFileLeavesTheEditorAlone)
{
    setText(FieldId::tabJmenoStanice, 0, QStringLiteral("keep me"));
    const DeviceConfig before = doc.config();

    QFile f(file("bad.eep"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(400, '\x11'));
    f.close();
    EXPECT_EQ(loadSettingsFromFile(ctx, f.fileName()), CommandOutcome::Failed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Data v souboru '" + f.fileName() + "' nejsou v pořádku - neodpovídají formátu EEPROM.");
    EXPECT_EQ(prompts.shown[0].icon, Icon::Information);

    EXPECT_EQ(loadSettingsFromFile(ctx, file("missing.eep")), CommandOutcome::Failed);
    EXPECT_EQ(prompts.shown[1].text,
              "Při načítání nastavení programu ze souboru '" + file("missing.eep") + "' nastala chyba.");
    EXPECT_EQ(prompts.shown[1].icon, Icon::Error);
    EXPECT_EQ(doc.config(), before);
    EXPECT_FALSE(busy.visible);
}

TEST_F(CommandsFixture, ValidHeaderWithTextsPastTheEndIsRefusedWithoutTouchingTheEditor)
{
    setText(FieldId::tabJmenoStanice, 0, QStringLiteral("keep me"));
    const DeviceConfig before = doc.config();
    EepromImage hostile;
    ASSERT_EQ(encodeImage(DeviceConfig{}, hostile), EncodeError::None);
    // The general texts are the last list: send them to the very end of the
    // memory with no terminator in sight.
    ASSERT_TRUE(hostile.writeImageWord(65530, 38));
    for (int a = 65530; a < 65536; ++a)
        hostile.bytes()[std::size_t(a)] = 'x';
    hostile.bytes()[48] = headerChecksum(hostile);
    ASSERT_TRUE(imageHeaderValid(hostile));
    QFile f(file("hostile.eep"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(hostile.bytes().data()), 65536);
    f.close();

    EXPECT_EQ(loadSettingsFromFile(ctx, f.fileName()), CommandOutcome::Failed);
    EXPECT_EQ(doc.config(), before);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
    EXPECT_FALSE(prompts.shown[0].text.contains(QStringLiteral("úspěšně")));
}

// The editor and the image hold one station; a file of another, cut short,
// must not come in mixed with the first station's texts.
TEST_F(CommandsFixture, AFileThatEndsInsideItsOwnSettingsIsRefused)
{
    setText(FieldId::tabJmenoStanice, 0, QStringLiteral("Predchozi stanice s dlouhym jmenem"));
    setText(FieldId::rtPowerUp, 0, QStringLiteral("Napajeni obnoveno na predchozi stanici"));
    prompts.openName = prompts.saveName = file("a.eep");
    ASSERT_EQ(saveSettingsToFile(ctx), CommandOutcome::Done);
    ASSERT_EQ(loadSettingsFromFile(ctx), CommandOutcome::Done);
    const DeviceConfig previous = doc.config();

    // The other station's file as the program saves it. Without a battery text
    // the size estimate has no spare byte: the file ends right at the marker.
    SettingsDocument otherDoc;
    otherDoc.setText(field(FieldId::tabJmenoStanice), 0, QStringLiteral("Vrt 2"));
    otherDoc.setText(field(FieldId::rtBattLow), 0, QString());
    EepromImage otherImage;
    CommandContext other{otherDoc, otherImage, prompts, busy, nullptr, nullptr, true};
    prompts.openName = prompts.saveName = file("b.eep");
    ASSERT_EQ(saveSettingsToFile(other), CommandOutcome::Done);
    QFile saved(*prompts.saveName);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray whole = saved.readAll();
    const int used = decodeImage(otherImage, DeviceConfig{}).usedLength;
    ASSERT_EQ(whole.size(), used) << "a saved file holds its end marker";

    const QString damaged = "Data v souboru '" + file("cut.eep")
        + "' jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.";
    const QString notAnImage =
        "Data v souboru '" + file("cut.eep") + "' nejsou v pořádku - neodpovídají formátu EEPROM.";
    const struct {
        int length;
        bool loads;
        QString message;
    } cases[] = {
        {used, true, {}},        {used - 1, false, damaged}, // the second byte of the marker is missing
        {300, false, damaged},                               // most texts lie beyond the end
        {272, false, damaged},                               // the fixed block alone
        {20, false, notAnImage},                             // not even the header
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        QFile cut(file("cut.eep"));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(whole.left(c.length));
        cut.close();
        prompts.shown.clear();
        doc.assignAll(previous);
        EXPECT_EQ(loadSettingsFromFile(ctx, cut.fileName()), c.loads ? CommandOutcome::Done : CommandOutcome::Failed);
        ASSERT_EQ(prompts.shown.size(), 1u);
        if (c.loads) {
            EXPECT_EQ(doc.config().tabJmenoStanice, QStringLiteral("Vrt 2"));
            EXPECT_EQ(doc.config().rtPowerUp, otherDoc.config().rtPowerUp);
        } else {
            EXPECT_EQ(prompts.shown[0].text, c.message);
            EXPECT_EQ(doc.config(), previous);
        }
    }
}

TEST_F(CommandsFixture, DeclinedOverwriteAndCancelledDialogSayNothing)
{
    prompts.openName = prompts.saveName = file("x.eep");
    QFile f(*prompts.saveName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old contents");
    f.close();
    prompts.answers = {Answer::No};
    EXPECT_EQ(saveSettingsToFile(ctx), CommandOutcome::Declined);
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old contents"));
    f.close();

    prompts.openName.reset();
    prompts.saveName.reset();
    EXPECT_EQ(saveSettingsToFile(ctx), CommandOutcome::Declined);
    EXPECT_EQ(loadSettingsFromFile(ctx), CommandOutcome::Declined);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(CommandsFixture, UnencodableSettingsAreNeitherSavedNorSent)
{
    setText(FieldId::tabDobaPlatnostiSMS, 0, QStringLiteral("abc"));
    prompts.openName = prompts.saveName = file("y.eep");
    EXPECT_EQ(saveSettingsToFile(ctx), CommandOutcome::Failed);
    EXPECT_FALSE(QFile::exists(*prompts.saveName));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Nastala chyba při převodu dat.")});

    up(4);
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Failed);
    EXPECT_EQ(prompts.texts().last(),
              "Data nebyla úspěšně uložena do EEPROM. Nastala chyba při převodu dat z formuláře nastavení.");
    EXPECT_EQ(writesSent(), 0);
}

TEST_F(CommandsFixture, OutputClashStopsAtTheFirstOutputWithTabAndFocus)
{
    up(4);
    setText(FieldId::tabOUTNazev, 2, QStringLiteral("SVET"));
    setText(FieldId::tabOUTNazev, 5, QStringLiteral("SVETLO"));
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Rejected);
    EXPECT_EQ(view.tabs, std::vector<int>{3});
    ASSERT_EQ(view.focused.size(), 1u);
    EXPECT_EQ(view.focused[0], std::make_pair(QStringLiteral("tabOUTNazev"), 2));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(QStringLiteral("Název výstupu 'O3' není správně zadán.")));
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
    EXPECT_TRUE(station.requests().empty());
}

TEST_F(CommandsFixture, SizeCheckLetsAnExactFitThroughAndRefusesOneByteMore)
{
    up(2); // "   448 byte"
    setText(FieldId::tabJmenoStanice, 0, QString(19, QLatin1Char('n')));
    ASSERT_EQ(doc.settingsSize(), 448);
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Done);
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Data byla úspěšně uložena do EEPROM."));

    station.clearRequests();
    setText(FieldId::tabJmenoStanice, 0, QString(20, QLatin1Char('n')));
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Rejected);
    EXPECT_EQ(
        prompts.texts().last(),
        QStringLiteral("Velikost dat v nastavení (449 byte) je větší než je možno vložit do EEPROM (   448 byte)."));
    EXPECT_TRUE(station.requests().empty());
}

TEST_F(CommandsFixture, StationRoundTripAndAnUnprogrammedStation)
{
    up(4);
    EXPECT_EQ(loadSettingsFromDevice(ctx), CommandOutcome::Failed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.");
    EXPECT_EQ(prompts.shown[0].icon, Icon::Warning);

    setText(FieldId::tabINPNazev, 3, QStringLiteral("DVERE"));
    setText(FieldId::rtNotAuthorized, 0, QStringLiteral("Pristup odepren"));
    setText(FieldId::rtBattLow, 0, QStringLiteral("Baterie slaba"));
    const DeviceConfig written = doc.config();
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Done);

    SettingsDocument fresh;
    EepromImage freshImage;
    CommandContext c2{fresh, freshImage, prompts, busy, &view, &link, true};
    EXPECT_EQ(loadSettingsFromDevice(c2), CommandOutcome::Done);
    EXPECT_EQ(firstDifference(fresh.config(), written), QString());
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Data byla úspěšně načtena z EEPROM."));
}

TEST_F(CommandsFixture, CancelledOrFailedDeviceLoadKeepsTheEditor)
{
    up(4);
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Done);
    setText(FieldId::tabJmenoStanice, 0, QStringLiteral("unsaved edit"));
    const DeviceConfig before = doc.config();

    station.onRequest = [this](const StationCore::Request& r) {
        if (r.command == 0x04 && r.address == 72)
            busy.cancel = true;
    };
    EXPECT_EQ(loadSettingsFromDevice(ctx), CommandOutcome::Cancelled);
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Načtítání dat z EEPROM do PC bylo stornováno."));
    EXPECT_EQ(doc.config(), before);

    station.onRequest = nullptr;
    station.faults().hangAfter = 0; // the cable is pulled
    EXPECT_EQ(loadSettingsFromDevice(ctx), CommandOutcome::Failed);
    EXPECT_EQ(prompts.texts().last(),
              QStringLiteral("Data nebyla úspěšně načtena z EEPROM. Došlo k chybě při načítání bloku dat."));
    EXPECT_EQ(doc.config(), before);
}

TEST_F(CommandsFixture, FailedAndCancelledWritesAreReportedAsSuch)
{
    up(4);
    station.faults().hangAfter = 5;
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Failed);
    EXPECT_EQ(prompts.texts().last(),
              QStringLiteral("Data nebyla úspěšně uložena do EEPROM. Došlo k chybě při ukládání bloku do EEPROM."));
    EXPECT_EQ(prompts.shown.back().icon, Icon::Error);

    StationCore healthy;
    SimulatedEventPump pump2;
    VirtualSerialLine line2{healthy, pump2};
    StationLink link2{line2, pump2, prompts, busy};
    ASSERT_EQ(link2.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    healthy.onRequest = [this](const StationCore::Request& r) {
        if (r.command == 0x05 && r.address == 280)
            busy.cancel = true;
    };
    ctx.link = &link2;
    EXPECT_EQ(saveSettingsToDevice(ctx), CommandOutcome::Cancelled);
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Ukládání dat z PC do EEPROM bylo stornováno."));
}

} // namespace
