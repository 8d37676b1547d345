#pragma once

#include <filesystem>

#include <QDialog>

#include "dialogs/usertablemodel.h"

class QLineEdit;

namespace kx {

// The user character table dialog ("Character User"): the 128 characters of code.dat painted as
// a 16 by 8 grid with hex headings, and a one-character edit box over the selected cell. A click
// on a cell stores the edit box's character into the selected cell and selects the clicked one.
// OK stores the edit box too and writes code.dat; Cancel writes nothing. The geometry and the
// rules are the model's; the dialog paints them and forwards clicks.
class CUserTableDlg : public QDialog
{
    Q_OBJECT

public:
    // programFolder: where code.dat is read from and written to.
    // systemCodePage: the code page (1250 to 1257) of the table's characters.
    CUserTableDlg(const std::filesystem::path& programFolder, int systemCodePage,
                  QWidget* parent = nullptr);

    // Runs the dialog; true when OK wrote code.dat.
    static bool run(QWidget* parent, const std::filesystem::path& programFolder,
                    int systemCodePage);

    const UserTableModel& model() const { return m_model; }
    QLineEdit* editBox() const { return m_editChar; }

    // OK: writes code.dat and closes; a file that cannot be written is reported and the dialog
    // stays open.
    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Puts the edit box over the selected cell with the cell's character, focused.
    void showSelectedCell();

    std::filesystem::path m_codeDatPath;
    UserTableModel m_model;
    QLineEdit* m_editChar;
};

} // namespace kx
