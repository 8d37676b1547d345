#pragma once

#include <string>

#include <QDialog>

#include "dialogs/paramdlgmodel.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kx {

class SimpleCombo;

// The parameter dialog ("Add"): the name, the type and, for the type "User (1)", the labelled
// values of one definition line of a settings description file. Enter and "Add Parameter" append
// the value box's text to the list and never close the dialog; only OK rewrites the caller's
// line and closes it.
class CParamDlg : public QDialog
{
    Q_OBJECT

public:
    // line: the caller's definition line, rewritten on OK; variant: the document's file variant.
    CParamDlg(std::string& line, int variant, QWidget* parent = nullptr);

    const ParamDlgModel& model() const { return m_model; }
    QLineEdit* nameBox() const { return m_name; }
    QComboBox* typeBox() const { return m_type; }
    SimpleCombo* valueBox() const { return m_values; }

    // Enter and the default button: append a value item; the dialog stays open.
    void accept() override;
    // OK (1008): rewrite the line and close.
    void OnOK();

private:
    void OnTypeChange(int index);
    void OnTypeEdited(const QString& text);
    void OnDelete();
    void showValues(int selected);

    std::string& m_line;
    ParamDlgModel m_model;
    QLineEdit* m_name;
    QComboBox* m_type;
    SimpleCombo* m_values;
};

} // namespace kx
