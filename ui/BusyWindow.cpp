#include "ui/BusyWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

namespace torval {

namespace {

// The operations write their lines the way the station's tools always did,
// ended by CR LF; a label would show the CR as a stray mark, so each line
// break becomes one plain line feed.
QString asLines(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

BusyWindow::BusyWindow(QWidget* owner)
    // A tool window owned by the main window stays above it without being modal.
    : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint), m_napis(new QLabel(this)),
      m_progress(new QProgressBar(this)), m_storno(new QPushButton(tr("Storno"), this))
{
    // The fields stay editable while a command runs, the dialogs do not open:
    // a modal window would stop the transfer until it is closed.
    auto* note = new QLabel(tr("Dialogy řádků a Informace se otevřou až po skončení."), this);
    note->setObjectName(QStringLiteral("Poznamka"));
    note->setWordWrap(true);
    note->setEnabled(false);
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(tr("TORVAL"));
    m_napis->setObjectName(QStringLiteral("Napis"));
    m_napis->setWordWrap(true);
    m_napis->setMinimumWidth(360);
    m_napis->setTextFormat(Qt::PlainText);
    m_progress->setObjectName(QStringLiteral("Prubeh"));
    m_progress->hide();
    m_storno->setObjectName(QStringLiteral("Storno"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(m_napis);
    box->addWidget(m_progress);
    box->addWidget(note);
    box->addWidget(m_storno, 0, Qt::AlignHCenter);
    connect(m_storno, &QPushButton::clicked, this, &BusyWindow::storno);
}

void BusyWindow::showBusy(const QString& text, bool withStorno)
{
    m_cancel = false;
    setWindowTitle(tr("TORVAL"));
    m_storno->setVisible(withStorno);
    m_progress->hide();
    m_text = text;
    m_napis->setText(asLines(text));
    adjustSize();
    if (!isVisible())
        centreOnOwner();
    show();
    raise();
    // Paint it now: the operation that follows may keep the loop busy.
    QApplication::processEvents();
    waitUntilExposed();
}

void BusyWindow::waitUntilExposed()
{
    // A window manager maps a new window a moment after show(); until then
    // nothing drawn reaches the screen, and printing does not return to the
    // event loop before its last page. So the window waits (briefly, and
    // without taking any clicks or keys) until it can be seen.
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 2000) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(5);
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BusyWindow::centreOnOwner()
{
    // Left to itself a window manager may put a tool window anywhere, even at
    // the screen's bottom edge; it belongs over the window it reports for.
    const QWidget* owner = parentWidget();
    if (!owner || !owner->isVisible())
        return;
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
}

void BusyWindow::setBusyText(const QString& text)
{
    m_text = text;
    m_napis->setText(asLines(text));
    if (!isVisible())
        return;
    // A second line needs room the window did not have.
    adjustSize();
    if (QLayout* box = layout())
        box->activate();
    // Printing keeps the event loop busy until the last copy is out: the new
    // text is painted right away, without handling any user input meanwhile
    // (the window manager's answer to a resize included).
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void BusyWindow::setProgress(int done, int total)
{
    if (total <= 0) {
        m_progress->hide();
        return;
    }
    m_progress->setRange(0, total);
    m_progress->setValue(std::clamp(done, 0, total));
    if (m_progress->isHidden()) {
        m_progress->show();
        adjustSize();
    }
}

void BusyWindow::hideBusy()
{
    hide();
    if (QWidget* owner = parentWidget())
        owner->activateWindow();
    QApplication::processEvents();
}

QString BusyWindow::text() const
{
    return m_text;
}

QString BusyWindow::shownText() const
{
    return m_napis->text();
}

void BusyWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (m_storno->isVisible())
        storno();
}

void BusyWindow::storno()
{
    // The running operation notices the request at its next test.
    m_cancel = true;
    hide();
}

} // namespace torval
