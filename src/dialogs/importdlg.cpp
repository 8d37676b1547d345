#include "dialogs/importdlg.h"
#include "dialogs/fixedsizedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx {

CImportDlg::CImportDlg(QWidget* parent, bool satellite)
    : QDialog(parent), m_tv(new QCheckBox(tr("TV"), this)), m_fm(new QCheckBox(tr("FM"), this)),
      m_dtv(new QCheckBox(tr("DTV"), this)), m_sat(new QCheckBox(tr("Satellite"), this))
{
    setWindowTitle(tr("Import"));
    m_tv->setObjectName(QStringLiteral("tv"));
    m_fm->setObjectName(QStringLiteral("fm"));
    m_dtv->setObjectName(QStringLiteral("dtv"));
    m_sat->setObjectName(QStringLiteral("sat"));
    m_sat->setToolTip(
        tr("Both satellite lists, with the rest of the other file's satellite block"));
    for (QCheckBox* box : {m_tv, m_fm, m_dtv, m_sat}) {
        box->setChecked(true);
    }
    m_sat->setChecked(satellite);
    m_sat->setVisible(satellite);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(m_tv);
    boxes->addWidget(m_fm);
    boxes->addWidget(m_dtv);
    boxes->addWidget(m_sat);
    boxes->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(buttons);
    makeFixedSize(*this, *layout);
}

ImportChoice CImportDlg::choice() const
{
    return {m_tv->isChecked(), m_fm->isChecked(), m_dtv->isChecked(), m_sat->isChecked()};
}

} // namespace kx
