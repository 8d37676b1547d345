#include "dialogs/paramdlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fixedsizedialog.h"
#include "dialogs/simplecombo.h"

namespace kx {

CParamDlg::CParamDlg(std::string& line, int variant, QWidget* parent)
    : QDialog(parent), m_line(line), m_model(line, variant), m_name(new QLineEdit(this)),
      m_type(new QComboBox(this)), m_values(new SimpleCombo(this))
{
    setWindowTitle(tr("Add"));
    setObjectName(QStringLiteral("CParamDlg"));
    m_name->setObjectName(QStringLiteral("name"));
    m_type->setObjectName(QStringLiteral("type"));
    m_values->setObjectName(QStringLiteral("values"));

    // The type items in the order of their type codes.
    m_type->addItems(
        {tr("None (0)"), tr("User (1)"), tr("Country (2)"), tr("Lang (3)"), tr("Menu (4)")});
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);

    auto* addValue = new QPushButton(tr("Add Parameter"), this);
    addValue->setObjectName(QStringLiteral("addParametr"));
    auto* remove = new QPushButton(tr("Delete"), this);
    remove->setObjectName(QStringLiteral("delete"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    // Enter always presses "Add Parameter", whichever button has the focus.
    for (QPushButton* button : {addValue, remove, ok, cancel}) {
        button->setAutoDefault(false);
    }
    addValue->setDefault(true);
    connect(addValue, &QPushButton::clicked, this, &CParamDlg::accept);
    connect(remove, &QPushButton::clicked, this, &CParamDlg::OnDelete);
    connect(ok, &QPushButton::clicked, this, &CParamDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    auto* nameLabel = new QLabel(tr("Name"), this);
    nameLabel->setBuddy(m_name);
    auto* typeLabel = new QLabel(tr("Type"), this);
    typeLabel->setBuddy(m_type);
    auto* valuesLabel = new QLabel(tr("Parameter"), this);
    valuesLabel->setBuddy(m_values);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(typeLabel, 1, 0);
    grid->addWidget(m_type, 1, 1);
    grid->addWidget(valuesLabel, 2, 0);
    grid->addWidget(m_values, 2, 1, 4, 1);
    grid->addWidget(addValue, 3, 0);
    grid->addWidget(remove, 4, 0);
    grid->setRowStretch(5, 1);
    grid->setColumnMinimumWidth(1, 190);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    makeFixedSize(*this, *layout);

    m_name->setText(QString::fromStdString(m_model.m_strName));
    m_type->setCurrentIndex(m_model.typeIndex());
    showValues(-1);
    connect(m_type, &QComboBox::currentIndexChanged, this, &CParamDlg::OnTypeChange);
    connect(m_type, &QComboBox::editTextChanged, this, &CParamDlg::OnTypeEdited);
    m_name->setFocus(Qt::OtherFocusReason);
}

void CParamDlg::showValues(int selected)
{
    QStringList items;
    for (const std::string& value : m_model.values()) {
        items << QString::fromStdString(value);
    }
    m_values->setItems(items, selected);
    m_values->setEnabled(m_model.valuesEnabled());
}

void CParamDlg::OnTypeChange(int index)
{
    m_model.selectType(index < 0 ? ParamDlgModel::kNoType : index);
    m_values->setEnabled(m_model.valuesEnabled());
}

void CParamDlg::OnTypeEdited(const QString& text)
{
    // Text typed into the type box that names no item leaves no type chosen.
    const int index = m_type->findText(text, Qt::MatchFixedString);
    if (index >= 0) {
        if (index != m_type->currentIndex()) {
            m_type->setCurrentIndex(index);
        } else {
            OnTypeChange(index);
        }
    } else {
        OnTypeChange(ParamDlgModel::kNoType);
    }
}

void CParamDlg::accept()
{
    m_model.addValue(m_values->editText().toStdString());
    showValues(-1);
    if (m_values->isEnabled()) {
        m_values->lineEdit()->setFocus(Qt::OtherFocusReason);
        m_values->lineEdit()->selectAll();
    }
}

void CParamDlg::OnDelete()
{
    const int row = m_values->currentRow();
    if (row >= 0) {
        m_model.deleteValue(row);
        showValues(-1);
    }
}

void CParamDlg::OnOK()
{
    m_model.m_strName = m_name->text().toStdString();
    m_line = m_model.line();
    QDialog::accept();
}

} // namespace kx
