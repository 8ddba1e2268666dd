#include "ui/QtPrompts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace torval {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPrompts::QtPrompts(QWidget* owner) : m_owner(owner) { }

QtPrompts::~QtPrompts()
{
    delete m_dialog.data();
}

void QtPrompts::message(const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kAppTitle), text, QMessageBox::Ok, m_owner);
    // Paths and typed names may hold '<' or '&': never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Answer QtPrompts::question(const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        set |= QMessageBox::Cancel;
    else if (buttons == Buttons::Ok)
        set = QMessageBox::Ok;
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kAppTitle), text, set, m_owner);
    box.setTextFormat(Qt::PlainText);
    // Qt's Czech calls it "Zrušit"; the program's windows all say "Storno",
    // with Alt+S as in the edit dialogs.
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QCoreApplication::translate("QtPrompts", "&Storno"));
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default:
        // Escape or the close box count as the most cautious answer.
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : (buttons == Buttons::Ok ? Answer::Ok : Answer::No);
    }
}

std::optional<QString> QtPrompts::openFileName()
{
    return runFileDialog(false);
}

std::optional<QString> QtPrompts::saveFileName()
{
    return runFileDialog(true);
}

std::optional<QString> QtPrompts::runFileDialog(bool save)
{
    if (!m_dialog) {
        m_dialog = new QFileDialog(m_owner);
        m_dialog->setObjectName(QStringLiteral("CommonDialog"));
        m_dialog->setNameFilter(QStringLiteral("EEPROM (*.eep)"));
    }
    QFileDialog& d = *m_dialog;
    d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The settings file asks its own overwrite question.
    d.setOption(QFileDialog::DontConfirmOverwrite, save);
    d.setOption(QFileDialog::ReadOnly, false);
    // The file chosen last is offered again while it is in the folder used last.
    const bool offerLast = !m_last.isEmpty() && (m_folder.isEmpty() || QFileInfo(m_last).absolutePath() == m_folder);
    if (!m_folder.isEmpty())
        d.setDirectory(m_folder);
    d.selectFile(offerLast ? m_last : QStringLiteral("*.eep"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return std::nullopt;
    m_last = d.selectedFiles().constFirst();
    m_folder = QFileInfo(m_last).absolutePath();
    return m_last;
}

} // namespace torval
