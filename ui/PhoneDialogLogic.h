#pragma once
// The telephone number dialog without its widgets: one row of the telephone
// grid copied in, the number's rule when it is left, and the copy back on OK.
// After every use, OK or not, a row left without a number loses its rights.

#include <QString>

namespace torval {

class Prompts;
class SettingsDocument;

class PhoneDialogLogic {
public:
    PhoneDialogLogic(SettingsDocument& doc, Prompts& prompts);

    // Fills every field from row `row` (0..7) and clears the cancel request.
    void open(int row);
    [[nodiscard]] int row() const { return m_row; }
    [[nodiscard]] QString caption() const; // "Telefonní číslo T3"

    [[nodiscard]] const QString& number() const { return m_number; }
    void setNumber(const QString& text) { m_number = text; }
    [[nodiscard]] bool receive() const { return m_receive; }
    void setReceive(bool on) { m_receive = on; }
    [[nodiscard]] bool events() const { return m_events; }
    void setEvents(bool on) { m_events = on; }

    // Leaving TC: false when the number was rejected (the focus goes back);
    // a valid number is rewritten with the UTO rule. Nothing after a cancel.
    [[nodiscard]] bool leaveNumber();

    void ok() { m_cancelRequested = false; }
    void cancel() { m_cancelRequested = true; }
    [[nodiscard]] bool cancelRequested() const { return m_cancelRequested; }

    // After the dialog has closed: copies back unless cancelled, then checks
    // the row's rights in every case.
    void finish();

private:
    SettingsDocument& m_doc;
    Prompts& m_prompts;
    int m_row = 0;
    QString m_number;
    bool m_receive = false;
    bool m_events = false;
    bool m_cancelRequested = false;
};

} // namespace torval
