#include "ui/AboutWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace torval {

AboutWindow::AboutWindow(QWidget* owner)
    : QDialog(owner)
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
    box->addWidget(close, 0, Qt::AlignHCenter);
    // The window manager cuts a caption wider than the window ("Informace
    // o... mu TORVAL"): the window is at least as wide as its caption plus
    // room for the title bar's buttons.
    const QFontMetrics caption(QApplication::font("QMdiSubWindowTitleBar"));
    setMinimumWidth(caption.horizontalAdvance(windowTitle()) * 5 / 4 + 160);
}

} // namespace torval
