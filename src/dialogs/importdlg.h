#pragma once

#include <QDialog>

#include "document/kanalyxdoc.h"

class QCheckBox;

namespace kx {

// The Import dialog: which of the three lists ("TV", "FM", "DTV") to take from the other file.
// Every box starts ticked; nothing is remembered between runs.
class CImportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CImportDlg(QWidget* parent = nullptr);

    // The boxes as the user left them.
    ImportChoice choice() const;

private:
    QCheckBox* m_tv;
    QCheckBox* m_fm;
    QCheckBox* m_dtv;
};

} // namespace kx
