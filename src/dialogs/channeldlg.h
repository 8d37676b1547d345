#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include <QDialog>

#include "dialogs/channeldlgmodel.h"

class QLineEdit;

namespace kx {

struct RecordLayout;

// The Channel dialog: every raw field of one channel record in hexadecimal, the two names as
// text, in the arrangement of the field map (three columns of "_tmp" fields, the named fields in
// two columns, then the names). OK stores the boxes into the record's bytes; Cancel, Escape and
// the close box leave them untouched. Boxes that the record's layout does not use stay empty and
// disabled. Its texts are the same in every user-interface language.
class CChannelDlg : public QDialog
{
    Q_OBJECT

public:
    // raw: the 164 or 176 bytes of one record (the caller's copy); they must outlive the
    // dialog. systemCodePage: the code page (1250 to 1257) the names show in.
    CChannelDlg(std::span<std::uint8_t> raw, int systemCodePage, QWidget* parent = nullptr);
    // raw: the bytes of one record of layout, which the dialog shows field by field.
    CChannelDlg(std::span<std::uint8_t> raw, const RecordLayout& layout, int systemCodePage,
                QWidget* parent = nullptr);

    // The box of a control id (a CHexBytesEdit for the hex fields), or null.
    QLineEdit* control(int controlId) const;

    // OK: stores the boxes, then closes. A name that the system code page cannot hold is
    // reported and nothing is stored; the dialog stays open.
    void accept() override;

private:
    void setUp();
    void createControls();
    // The name box whose changed text cannot be stored, or null.
    QLineEdit* unstorableName() const;

    ChannelDlgModel m_model;
    std::vector<std::pair<int, QLineEdit*>> m_controls;
};

} // namespace kx
