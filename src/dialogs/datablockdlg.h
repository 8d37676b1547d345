#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include <QDialog>

#include "dialogs/datablockmodel.h"
#include "platform/sidefiles.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kx {

class CHexGridWnd;
class CKanalyxDoc;
class FileDialogs;
class SimpleCombo;

// The Data Block dialog: a copy of the document's settings block in the hex grid, the named
// parameters of the variant's description file, Add and Delete for them, and Compare with the
// settings block of another file. OK hands the typed bytes to the document as one step and writes
// the description file when its entries changed; Cancel drops both.
class CDataBlockDlg : public QDialog
{
    Q_OBJECT

public:
    // block: a copy of the document's settings block; variant: the document's file variant;
    // sideFiles: where the description file is read from and written to; systemCodePage: the
    // code page of the grid's characters.
    CDataBlockDlg(std::vector<std::uint8_t> block, int variant, SideFiles sideFiles,
                  int systemCodePage, QWidget* parent = nullptr);
    ~CDataBlockDlg() override;

    // The "Data Block" command on a loaded document: on OK the typed bytes become one step of
    // the document's history (none when no byte changed).
    static void run(QWidget* parent, CKanalyxDoc& doc, const SideFiles& sideFiles,
                    int systemCodePage);

    // Replaces the file chooser of Compare (tests answer it without a dialog).
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    const DataBlockModel& model() const { return m_model; }
    CHexGridWnd* grid() const { return m_grid; }
    SimpleCombo* entryBox() const { return m_entries; }
    QListWidget* differenceList() const { return m_differences; }
    // The count of the differences Compare found (empty before a comparison).
    QLabel* differenceCount() const { return m_differenceCount; }
    QLineEdit* statusBox() const { return m_status; }

    // OK: writes the description file and closes; a file that cannot be written is reported and
    // the dialog stays open.
    void accept() override;

    void OnAdd();
    void OnDelete();
    void OnCompare();
    void OnEditEntry(int row);

private:
    void OnSelectEntry(int row);
    void OnSelectDifference(int row);
    // The entry list from the model, with the item at selected chosen (none for -1).
    void showEntries(int selected);
    // The differences, and their count when a comparison was made.
    void showDifferences(bool compared);

    SideFiles m_sideFiles;
    // Why the description file could not be read; then OK does not overwrite it.
    QString m_readError;
    DataBlockModel m_model;
    std::unique_ptr<FileDialogs> m_fileDialogs;
    CHexGridWnd* m_grid;
    SimpleCombo* m_entries;
    QListWidget* m_differences;
    QLabel* m_differenceCount;
    QLineEdit* m_status;
};

} // namespace kx
