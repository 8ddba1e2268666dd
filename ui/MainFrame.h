#pragma once
// The frame above the settings tabs: the port list and the link's state and
// button, the load/save, print, preview and compare buttons with the write
// verification box, the connected station's information panel, and the about
// and exit buttons. It shows what it is told; the main window wires the
// buttons to their commands and decides which of them may be used.

#include "link/LinkTypes.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace torval {

class MainFrame : public QWidget {
    Q_OBJECT
public:
    // The port item that serves the built-in simulated station.
    static QString virtualStationPort();

    // The controls the window wires and enables.
    struct Controls {
        QComboBox* port = nullptr;         // tabPort
        QPushButton* link = nullptr;       // btDEA
        QToolButton* fileLoad = nullptr;   // btFileLoad
        QToolButton* fileSave = nullptr;   // btFileSave
        QToolButton* eepromLoad = nullptr; // btEEPROMLoad
        QToolButton* eepromSave = nullptr; // btEEPROMSave
        QToolButton* undo = nullptr;       // btZpet
        QToolButton* redo = nullptr;       // btZnovu
        QToolButton* print = nullptr;      // btTisk
        QToolButton* preview = nullptr;    // btNahled
        QCheckBox* checkWrite = nullptr;   // CheckWrite
        QPushButton* compare = nullptr;    // btPorovnat
        QPushButton* history = nullptr;    // btHistorie
        QPushButton* about = nullptr;      // btInformace
        QPushButton* exit = nullptr;       // btKonec
    };

    explicit MainFrame(QWidget* parent = nullptr);

    [[nodiscard]] const Controls& controls() const { return m_c; }

    // The port list: the system's serial ports, each once, then the virtual
    // station. A port named in another form of a listed one ("COM 1" and
    // /dev/ttyS0) selects that item; any other name gets an item of its own.
    void addPort(const QString& portName, bool select);
    [[nodiscard]] QString selectedPort() const;

    // The link's caption and button, and the station's information.
    void showLinkState(LinkState state, const DeviceInfo& info);
    // The settings size and the room left in the station's memory (red when short).
    void showMemoryUsage(int settingsSize);

private:
    void fillPortList();
    [[nodiscard]] int findPort(const QString& portName) const;

    Controls m_c;
    QLabel* m_linkLabel = nullptr;
    QLabel* m_infoModem = nullptr;
    QLabel* m_infoPamSize = nullptr;
    QLabel* m_infoProdukt = nullptr;
    QLabel* m_infoVerze = nullptr;
    QLabel* m_infoPamFree = nullptr;
    QLabel* m_infoPamUsage = nullptr;
};

} // namespace torval
