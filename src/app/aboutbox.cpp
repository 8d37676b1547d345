#include "app/aboutbox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fixedsizedialog.h"
#include "gui/icons.h"

namespace kx {

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About"));

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(tr("Kanalyx ver 4.02"), this);
    version->setObjectName(QStringLiteral("version"));
    auto* notice = new QLabel(tr("Copyright (C) Velto. Freeware."), this);
    notice->setObjectName(QStringLiteral("notice"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(notice);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    makeFixedSize(*this, *layout);
}

} // namespace kx
