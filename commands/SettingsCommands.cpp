#include "commands/SettingsCommands.h"

#include <memory>

#include "commands/CommandMessages.h"
#include "files/SettingsFile.h"
#include "interact/Prompts.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/ImageLayout.h"
#include "model/SettingsDiff.h"
#include "model/SettingsDocument.h"
#include "rules/OutputCommands.h"

#include <QCoreApplication>
#include <algorithm>

namespace torval {

namespace {

constexpr int kFirstTab = 0;

QString quoted(const char* text, const QString& path)
{
    return cmdmsg::text(text).arg(path);
}

void say(CommandContext& ctx, const char* text, Icon icon)
{
    ctx.prompts.message(cmdmsg::text(text), icon);
}

void showTab(CommandContext& ctx, int tab)
{
    if (ctx.view)
        ctx.view->showTab(tab);
}

// Decodes the loaded image into the editor. A decoding that runs off the end
// of the image would leave the editor half old and half new, so the editor is
// only changed when every field could be read.
[[nodiscard]] bool decodeIntoEditor(CommandContext& ctx)
{
    showTab(ctx, kFirstTab);
    ctx.busy.showBusy(cmdmsg::text(cmdmsg::kConverting), false);
    const bool complete = decodeImageInto(ctx.document, ctx.image);
    ctx.busy.hideBusy();
    return complete;
}

// Passes everything through and remembers whether a question was answered No.
class OverwriteAnswer : public Prompts {
public:
    explicit OverwriteAnswer(Prompts& inner) : m_inner(inner) { }
    void message(const QString& text, Icon icon) override { m_inner.message(text, icon); }
    Answer question(const QString& text, Icon icon, Buttons buttons) override
    {
        const Answer a = m_inner.question(text, icon, buttons);
        declined = declined || a == Answer::No;
        return a;
    }
    std::optional<QString> openFileName() override { return m_inner.openFileName(); }
    std::optional<QString> saveFileName() override { return m_inner.saveFileName(); }
    bool declined = false;

private:
    Prompts& m_inner;
};

} // namespace

QString fileLoadFailedMessage(const QString& path)
{
    return quoted(cmdmsg::kFileLoadError, path);
}

QString fileNotAnImageMessage(const QString& path)
{
    return quoted(cmdmsg::kFileInvalid, path);
}

QString fileDamagedMessage(const QString& path)
{
    return quoted(cmdmsg::kDecodeBeyondEnd, path);
}

CommandOutcome loadSettingsFromFile(CommandContext& ctx, std::optional<QString> path)
{
    if (!path)
        path = ctx.prompts.openFileName();
    if (!path)
        return CommandOutcome::Declined;

    ctx.busy.showBusy(quoted(cmdmsg::kLoadingFile, *path), false);
    switch (loadSettingsFile(*path, ctx.image)) {
    case FileLoad::ReadFailed:
        ctx.busy.hideBusy();
        ctx.prompts.message(fileLoadFailedMessage(*path), Icon::Error);
        return CommandOutcome::Failed;
    case FileLoad::NotAnImage:
        ctx.busy.hideBusy();
        ctx.prompts.message(fileNotAnImageMessage(*path), Icon::Information);
        return CommandOutcome::Failed;
    case FileLoad::Damaged:
        ctx.busy.hideBusy();
        ctx.prompts.message(fileDamagedMessage(*path), Icon::Error);
        return CommandOutcome::Failed;
    case FileLoad::Loaded: break;
    }
    if (!decodeIntoEditor(ctx)) {
        ctx.prompts.message(fileDamagedMessage(*path), Icon::Error);
        return CommandOutcome::Failed;
    }
    ctx.prompts.message(quoted(cmdmsg::kFileLoaded, *path), Icon::Information);
    return CommandOutcome::Done;
}

CommandOutcome saveSettingsToFile(CommandContext& ctx, std::optional<QString> path)
{
    if (!path)
        path = ctx.prompts.saveFileName();
    if (!path)
        return CommandOutcome::Declined;

    ctx.busy.showBusy(quoted(cmdmsg::kSavingFile, *path), false);
    // The length is taken with the encoding: the overwrite question lets the
    // window run, and the file must hold the image it was asked to save.
    const int size = ctx.document.settingsSize();
    if (encodeImage(ctx.document.config(), ctx.image) != EncodeError::None || !imageHeaderValid(ctx.image)) {
        ctx.busy.hideBusy();
        say(ctx, cmdmsg::kConversionError, Icon::Error);
        return CommandOutcome::Failed;
    }
    // The overwrite question is asked while the busy window is up. A declined
    // overwrite is a success for the file code; the caller still wants to know.
    OverwriteAnswer prompts(ctx.prompts);
    const EepromImage snapshot = ctx.image;
    if (!writeSettingsFile(*path, snapshot, size, prompts)) {
        ctx.busy.hideBusy();
        ctx.prompts.message(quoted(cmdmsg::kFileSaveError, *path), Icon::Error);
        return CommandOutcome::Failed;
    }
    ctx.busy.hideBusy();
    return prompts.declined ? CommandOutcome::Declined : CommandOutcome::Done;
}

namespace {

// The read of both station loads: the transfer and the checks of what came,
// each failure with its message. Done when `image` holds valid settings.
CommandOutcome readDevice(CommandContext& ctx, EepromImage& image)
{
    if (!ctx.link || ctx.link->state() != LinkState::Active) {
        say(ctx, cmdmsg::kNoActiveLink, Icon::Error);
        return CommandOutcome::Failed;
    }
    // A station of unknown memory size is refused with its own message
    // (readEeprom shows it); no block failed, so no block message follows.
    if (!ctx.link->deviceInfo().memorySizeBytes()) {
        (void)ctx.link->readEeprom(image);
        return CommandOutcome::Failed;
    }
    switch (ctx.link->readEeprom(image)) {
    case TransferOutcome::Failed:
        ctx.busy.hideBusy();
        say(ctx, cmdmsg::kDeviceLoadFailed, Icon::Error);
        return CommandOutcome::Failed;
    case TransferOutcome::Cancelled:
        ctx.busy.hideBusy();
        say(ctx, cmdmsg::kDeviceLoadCancelled, Icon::Information);
        return CommandOutcome::Cancelled;
    case TransferOutcome::Completed: break;
    }
    if (!imageHeaderValid(image)) {
        ctx.busy.hideBusy();
        say(ctx, cmdmsg::kDeviceNotProgrammed, Icon::Warning);
        return CommandOutcome::Failed;
    }
    return CommandOutcome::Done;
}

} // namespace

CommandOutcome loadSettingsFromDevice(CommandContext& ctx)
{
    // Read aside and taken over only when the station holds settings: an
    // unprogrammed station leaves the editor's image as it was, so the next
    // file save cannot carry its bytes.
    auto read = std::make_unique<EepromImage>(ctx.image);
    if (const CommandOutcome outcome = readDevice(ctx, *read); outcome != CommandOutcome::Done)
        return outcome;
    ctx.image = *read;
    if (!decodeIntoEditor(ctx)) {
        say(ctx, cmdmsg::kDeviceDecodeBeyondEnd, Icon::Error);
        return CommandOutcome::Failed;
    }
    say(ctx, cmdmsg::kDeviceLoaded, Icon::Information);
    return CommandOutcome::Done;
}

CommandOutcome compareWithDevice(CommandContext& ctx, std::vector<FieldDifference>& differences)
{
    differences.clear();
    EepromImage station;
    if (const CommandOutcome read = readDevice(ctx, station); read != CommandOutcome::Done)
        return read;
    // The analog scales are not in the image; the editor's are the ones a
    // write would level the station's numbers with.
    const DecodeResult decoded = decodeImage(station, ctx.document.config());
    if (!decoded.complete) {
        say(ctx, cmdmsg::kDeviceDecodeBeyondEnd, Icon::Error);
        return CommandOutcome::Failed;
    }
    differences = diffConfigs(decoded.config, ctx.document.config());
    return CommandOutcome::Done;
}

namespace {

// Before a write: what the station holds, into the history. Nothing is written
// when it cannot be kept.
std::optional<qint64> recordBackup(CommandContext& ctx)
{
    if (!ctx.history)
        return std::nullopt;
    // The write's own failure first, as every failed write says it, then why.
    const QString what = cmdmsg::text(cmdmsg::kDeviceSaveFailed) + QLatin1Char('\n')
        + QCoreApplication::translate("cmdmsg",
                                      "Zálohu nastavení stanice se nepodařilo načíst; "
                                      "zápis nezačal, stanice je beze změny.");
    QByteArray before;
    switch (ctx.link->readStationBytes(before)) {
    case TransferOutcome::Failed:
        ctx.busy.hideBusy();
        ctx.prompts.message(what, Icon::Error);
        return std::nullopt;
    case TransferOutcome::Cancelled:
        ctx.busy.hideBusy();
        say(ctx, cmdmsg::kDeviceSaveCancelled, Icon::Information);
        return std::nullopt;
    case TransferOutcome::Completed: break;
    }
    const DeviceInfo& info = ctx.link->deviceInfo();
    WriteRecord r;
    r.station = ctx.document.config().tabJmenoStanice;
    if (r.station.isEmpty()) {
        // Written without a name, the station is found by the name it had.
        EepromImage old;
        std::copy(before.begin(), before.end(), old.bytes().begin());
        if (imageHeaderValid(old))
            r.station = decodeImage(old, DeviceConfig{}).config.tabJmenoStanice;
    }
    r.product = info.product;
    r.version = info.version;
    r.memorySize = info.memorySizeBytes().value_or(0);
    r.port = ctx.link->portName();
    r.program = ctx.program;
    r.before = before;
    const std::optional<qint64> id = ctx.history->begin(r);
    if (!ctx.history->notice().isEmpty())
        ctx.prompts.message(ctx.history->notice(), Icon::Warning);
    if (!id) {
        ctx.busy.hideBusy();
        ctx.prompts.message(ctx.history->error(), Icon::Error);
    }
    return id;
}

void recordOutcome(CommandContext& ctx, qint64 id, TransferOutcome outcome, const EepromImage& image, int size)
{
    WriteResult result = WriteResult::Written;
    if (outcome == TransferOutcome::Failed)
        result = WriteResult::Failed;
    else if (outcome == TransferOutcome::Cancelled)
        result = WriteResult::Cancelled;
    else if (!ctx.verifyWrites)
        result = WriteResult::WrittenUnchecked;
    const auto bytes = image.bytes().first(std::size_t(std::min(layout::writtenEnd(size), EepromImage::kSize)));
    if (!ctx.history->finish(id, result,
                             QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))))
        ctx.prompts.message(ctx.history->error(), Icon::Warning); // the station's write itself stands
}

} // namespace

CommandOutcome saveSettingsToDevice(CommandContext& ctx)
{
    if (!ctx.link || ctx.link->state() != LinkState::Active) {
        say(ctx, cmdmsg::kNoActiveLink, Icon::Error);
        return CommandOutcome::Failed;
    }
    // The station finds an output in a command message by its name and its
    // command words, so they must not collide before anything is written.
    if (const auto failure = checkOutputCommands(ctx.document.config())) {
        showTab(ctx, kOutputsTab);
        ctx.prompts.message(failure->message, Icon::Error);
        if (ctx.view && failure->field)
            ctx.view->focusField(*failure->field, failure->output);
        return CommandOutcome::Rejected;
    }

    const int size = ctx.document.settingsSize();
    const DeviceInfo& info = ctx.link->deviceInfo();
    const auto memory = info.memorySizeBytes();
    // A station whose memory size is unknown gets nothing: there is no number
    // to prove the settings fit.
    if (!memory || *memory < size) {
        ctx.busy.hideBusy();
        ctx.prompts.message(cmdmsg::text(cmdmsg::kTooLarge).arg(size).arg(info.memorySize), Icon::Error);
        return CommandOutcome::Rejected;
    }

    if (encodeImage(ctx.document.config(), ctx.image) != EncodeError::None || !imageHeaderValid(ctx.image)) {
        ctx.busy.hideBusy();
        say(ctx, cmdmsg::kDeviceConversionError, Icon::Error);
        return CommandOutcome::Failed;
    }
    // The transfer runs for seconds with the window live and the fields
    // editable: it writes the image and the length of this moment, whatever
    // the editor or the shared image hold meanwhile.
    EepromImage snapshot = ctx.image;
    const std::optional<qint64> record = recordBackup(ctx);
    if (ctx.history && !record)
        return CommandOutcome::Failed; // the station is untouched; the reason has been shown
    const TransferOutcome outcome = ctx.link->writeEeprom(snapshot, size, ctx.verifyWrites);
    ctx.busy.hideBusy();
    if (record)
        recordOutcome(ctx, *record, outcome, snapshot, size);
    switch (outcome) {
    case TransferOutcome::Failed: say(ctx, cmdmsg::kDeviceSaveFailed, Icon::Error); return CommandOutcome::Failed;
    case TransferOutcome::Cancelled:
        say(ctx, cmdmsg::kDeviceSaveCancelled, Icon::Information);
        return CommandOutcome::Cancelled;
    case TransferOutcome::Completed: break;
    }
    say(ctx, cmdmsg::kDeviceSaved, Icon::Information);
    return CommandOutcome::Done;
}

} // namespace torval
