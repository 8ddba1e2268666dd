#pragma once
// What the report needs of a printer: a dialog for the printer and the
// number of copies, and documents with pages drawn on a Surface. The Qt
// printer and PDF writer implement it in platform/; tests record it.

#include <optional>

namespace torval {

class Surface;

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Shows the printer dialog; the number of copies the user asked for, or
    // nullopt when the dialog was cancelled or failed. The device itself
    // must print each document once: copies are separate documents.
    [[nodiscard]] virtual std::optional<int> choosePrinter() = 0;
    // Starts a document on page 1; nullptr when the printer cannot start one.
    // The surface stays valid until endDocument.
    [[nodiscard]] virtual Surface* beginDocument() = 0;
    // Sends the document to the printer; false when the printer failed
    // (also for a failure while its pages were drawn).
    [[nodiscard]] virtual bool endDocument() = 0;
    // After the last copy: the job is handed over whole (a file is put in
    // place). False when that failed; nothing of the job is left then.
    [[nodiscard]] virtual bool finishJob() { return true; }
};

} // namespace torval
