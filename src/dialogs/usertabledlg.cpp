#include "dialogs/usertabledlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace kx {
namespace {

QRect toQRect(const PixelRect& r)
{
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Refuses text holding a character that the system code page cannot hold.
class CodePageValidator : public QValidator
{
public:
    CodePageValidator(const UserTableModel& model, QObject* parent)
        : QValidator(parent), m_model(model)
    {}

    State validate(QString& input, int& /*pos*/) const override
    {
        return m_model.acceptsText(input.toStdString()) ? Acceptable : Invalid;
    }

private:
    const UserTableModel& m_model;
};

// Draws text with its top-left corner at a point, as the table's positions give it.
void drawAt(QPainter& painter, PixelPoint at, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QPoint(at.x, at.y + metrics.ascent()), shown);
}

} // namespace

CUserTableDlg::CUserTableDlg(const std::filesystem::path& programFolder, int systemCodePage,
                             QWidget* parent)
    : QDialog(parent), m_codeDatPath(programFolder / "code.dat"), m_model(systemCodePage),
      m_editChar(new QLineEdit(this))
{
    setWindowTitle(tr("Character User"));
    setObjectName(QStringLiteral("CUserTableDlg"));
    m_model.load(m_codeDatPath);

    m_editChar->setObjectName(QStringLiteral("editChar"));
    m_editChar->setAlignment(Qt::AlignCenter);
    m_editChar->setValidator(new CodePageValidator(m_model, m_editChar));
    m_editChar->setTextMargins(0, 0, 0, 0);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    // The painted grid and its headings take the top of the dialog; the buttons sit below.
    layout->addSpacing(UserTableModel::kGridRect.bottom);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedWidth(std::max(UserTableModel::kGridRect.right + 12, layout->minimumSize().width()));
    setFixedHeight(layout->minimumSize().height());

    showSelectedCell();
}

bool CUserTableDlg::run(QWidget* parent, const std::filesystem::path& programFolder,
                        int systemCodePage)
{
    CUserTableDlg dialog(programFolder, systemCodePage, parent);
    return dialog.exec() == QDialog::Accepted;
}

void CUserTableDlg::showSelectedCell()
{
    m_editChar->setGeometry(toQRect(UserTableModel::editRect(m_model.selected())));
    m_editChar->setText(QString::fromStdString(m_model.selectedText()));
    m_editChar->setFocus(Qt::OtherFocusReason);
    m_editChar->setSelection(0, 1);
}

void CUserTableDlg::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.fillRect(toQRect(UserTableModel::kGridRect), palette().color(QPalette::Base));
    const PixelRect& grid = UserTableModel::kGridRect;
    for (int i = 0; i <= UserTableModel::kColumns; ++i) {
        const int x = UserTableModel::verticalLineX(i);
        painter.drawLine(x, grid.top, x, grid.bottom);
    }
    for (int j = 0; j <= UserTableModel::kRows; ++j) {
        const int y = UserTableModel::horizontalLineY(j);
        painter.drawLine(grid.left, y, grid.right, y);
    }

    painter.setPen(palette().color(QPalette::Text));
    for (int i = 0; i < UserTableModel::kColumns; ++i) {
        for (int j = 0; j < UserTableModel::kRows; ++j) {
            const TableCell cell{i, j};
            // The edit box covers the selected cell.
            if (!(cell == m_model.selected())) {
                drawAt(painter, UserTableModel::cellTextPosition(cell), m_model.cellText(cell));
            }
        }
    }
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < UserTableModel::kColumns; ++i) {
        drawAt(painter, UserTableModel::columnHeadingPosition(i), UserTableModel::columnHeading(i));
    }
    for (int j = 0; j < UserTableModel::kRows; ++j) {
        drawAt(painter, UserTableModel::rowHeadingPosition(j), UserTableModel::rowHeading(j));
    }
}

void CUserTableDlg::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton &&
        m_model.OnLButtonDown(at.x(), at.y(), m_editChar->text().toStdString())) {
        showSelectedCell();
        update(toQRect(UserTableModel::kGridRect));
    }
    QDialog::mousePressEvent(event);
}

void CUserTableDlg::accept()
{
    try {
        m_model.OnOK(m_editChar->text().toStdString(), m_codeDatPath);
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The character table could not be saved.") + QStringLiteral("\n") +
                                 QString::fromUtf8(error.what()));
        return;
    }
    QDialog::accept();
}

} // namespace kx
