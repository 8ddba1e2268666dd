#pragma once
// The four commands that move a whole configuration between the editor, a
// settings file and the station. The window and the command line run these
// very flows; everything they show goes through Prompts and BusyIndicator.

#include "history/HistoryStore.h"

#include <QString>
#include <optional>
#include <vector>

namespace torval {

class SettingsDocument;
class EepromImage;
class Prompts;
class BusyIndicator;
class StationLink;
struct FieldDef;
struct FieldDifference;

// What the commands ask of the window: bring a tab to the front, put the
// focus into a field. The command line passes none.
class CommandView {
public:
    virtual ~CommandView() = default;
    virtual void showTab(int tab) = 0;
    virtual void focusField(const FieldDef& field, int index) = 0;
};

struct CommandContext {
    SettingsDocument& document;
    EepromImage& image;
    Prompts& prompts;
    BusyIndicator& busy;
    CommandView* view = nullptr; // null on the command line
    StationLink* link = nullptr; // needed by the two station commands
    bool verifyWrites = true;    // the "Kontrolovat zápis do EEPROM" box
    // Where a station write keeps its backup and outcome; null: not recorded.
    HistoryStore* history = nullptr;
    WriteProgram program = WriteProgram::Window;
};

enum class CommandOutcome {
    Done,      // ended with its success message (or silently, for a saved file)
    Declined,  // the user cancelled the file dialog or declined to overwrite
    Cancelled, // Storno during a transfer
    Rejected,  // a check stopped it before anything was written
    Failed,    // ended with a failure message
};

// The load command's refusals of a file, word for word (the command line
// shows the same).
QString fileLoadFailedMessage(const QString& path);
QString fileNotAnImageMessage(const QString& path);
QString fileDamagedMessage(const QString& path);

// `path` skips the file dialog (command line); otherwise the dialog is asked.
CommandOutcome loadSettingsFromFile(CommandContext& ctx, std::optional<QString> path = std::nullopt);
CommandOutcome saveSettingsToFile(CommandContext& ctx, std::optional<QString> path = std::nullopt);
CommandOutcome loadSettingsFromDevice(CommandContext& ctx);
CommandOutcome saveSettingsToDevice(CommandContext& ctx);

// Reads the station's settings (as the device load does, with its messages
// for a failed, cancelled or unprogrammed read) into an image of its own and
// lists what writing the editor's settings would change: `before` is the
// station's value, `after` the editor's. Neither the editor nor ctx.image is
// touched. Done with an empty list means the station holds the same settings.
CommandOutcome compareWithDevice(CommandContext& ctx, std::vector<FieldDifference>& differences);

} // namespace torval
