#include "ui/AboutWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace torval {

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("InfoProgram"));
    setWindowTitle(tr("Informace o programu TORVAL"));
    setModal(true);

    auto* picture = new QLabel(this);
    // The program's own icon where the program set one.
    const QIcon icon = QApplication::windowIcon();
    picture->setPixmap((icon.isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon) : icon).pixmap(48, 48));
    auto* text = new QLabel(tr("TORVAL verze 1.0\n"
                               "Verze procesoru zařízení 1.0 a vyšší\n"
                               "Verze komunikačního protokolu 1.15"),
                            this);
    text->setObjectName(QStringLiteral("Text"));
    text->setTextFormat(Qt::PlainText);
    // Each language named in itself, so a technician finds his own.
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("Jazyk"));
    m_language->addItem(QStringLiteral("Čeština"), QStringLiteral("cs"));
    m_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    auto* languageLabel = new QLabel(tr("&Jazyk programu:"), this);
    languageLabel->setBuddy(m_language);
    m_restart = new QLabel(tr("Jazyk se změní po novém spuštění programu."), this);
    m_restart->hide();
    connect(m_language, &QComboBox::activated, this, [this](int index) {
        m_restart->show();
        emit languageChosen(m_language->itemData(index).toString());
    });
    auto* close = new QPushButton(tr("&Zavřít"), this);
    close->setObjectName(QStringLiteral("blZavrit"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addWidget(text, 1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    auto* language = new QHBoxLayout;
    language->addWidget(languageLabel);
    language->addWidget(m_language, 1);
    box->addLayout(language);
    box->addWidget(m_restart);
    box->addWidget(close, 0, Qt::AlignHCenter);
    // The window manager cuts a caption wider than the window ("Informace
    // o... mu TORVAL"): the window is at least as wide as its caption plus
    // room for the title bar's buttons.
    const QFontMetrics caption(QApplication::font("QMdiSubWindowTitleBar"));
    setMinimumWidth(caption.horizontalAdvance(windowTitle()) * 5 / 4 + 160);
}

void AboutWindow::showLanguage(const QString& code)
{
    const int index = m_language->findData(code);
    m_language->setCurrentIndex(index < 0 ? 0 : index);
}

} // namespace torval
