#include "dialogs/importdlg.h"
#include "dialogs/fixedsizedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx {

CImportDlg::CImportDlg(QWidget* parent)
    : QDialog(parent), m_tv(new QCheckBox(tr("TV"), this)), m_fm(new QCheckBox(tr("FM"), this)),
      m_dtv(new QCheckBox(tr("DTV"), this))
{
    setWindowTitle(tr("Import"));
    m_tv->setObjectName(QStringLiteral("tv"));
    m_fm->setObjectName(QStringLiteral("fm"));
    m_dtv->setObjectName(QStringLiteral("dtv"));
    for (QCheckBox* box : {m_tv, m_fm, m_dtv}) {
        box->setChecked(true);
    }

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(m_tv);
    boxes->addWidget(m_fm);
    boxes->addWidget(m_dtv);
    boxes->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(buttons);
    makeFixedSize(*this, *layout);
}

ImportChoice CImportDlg::choice() const
{
    return {m_tv->isChecked(), m_fm->isChecked(), m_dtv->isChecked()};
}

} // namespace kx
