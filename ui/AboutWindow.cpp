#include "ui/AboutWindow.h"

#include <QHBoxLayout>
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
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
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
}

} // namespace torval
