#pragma once

#include <QDialog>

#include "document/kanalyxdoc.h"

class QCheckBox;

namespace kx {

// The Import dialog: which of the three lists ("TV", "FM", "DTV") to take from the other file,
// and, for a file with satellite lists, whether to take those ("Satellite") too. Every box starts
// ticked; nothing is remembered between runs.
class CImportDlg : public QDialog
{
    Q_OBJECT

public:
    // satellite: whether the open file has satellite lists, so that the box shows.
    explicit CImportDlg(QWidget* parent = nullptr, bool satellite = false);

    // The boxes as the user left them.
    ImportChoice choice() const;

private:
    QCheckBox* m_tv;
    QCheckBox* m_fm;
    QCheckBox* m_dtv;
    QCheckBox* m_sat;
};

} // namespace kx
