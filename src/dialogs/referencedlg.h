#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QRadioButton;
class QTableWidget;

namespace kx {

class ReferenceDlgModel;

// Apply Reference List: shows before anything changes what applying the reference would do,
// per list of the open file (channels matched by identity, by name, and not at all) and for
// every channel the reference does not hold what becomes of it, kept after the matched ones or
// deleted, as the user chooses (kept at first). OK leaves the choice in the model, whose plan
// the caller applies; Cancel changes nothing.
class CReferenceDlg : public QDialog
{
    Q_OBJECT

public:
    // model must outlive the dialog. fileName and referenceName: the two files as shown.
    CReferenceDlg(ReferenceDlgModel& model, const QString& fileName, const QString& referenceName,
                  QWidget* parent = nullptr);

private:
    void fillLists();
    void fillUnmatched();
    void showNote();

    ReferenceDlgModel& m_model;
    QTableWidget* m_lists;
    QTableWidget* m_unmatched;
    QGroupBox* m_unmatchedBox = nullptr;
    QLabel* m_unmatchedTitle;
    QRadioButton* m_keep;
    QRadioButton* m_delete;
    QLabel* m_note;
};

} // namespace kx
