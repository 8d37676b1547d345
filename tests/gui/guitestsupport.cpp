#include "guitestsupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include "platform/sidefiles.h"

namespace kx::guitest {

void clearSettings()
{
    QSettings settings(QStringLiteral("Velto"), QStringLiteral("Kanalyx"));
    settings.clear();
    settings.sync();
    std::filesystem::remove_all(SideFiles::userDataFolder());
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString realDataDir()
{
    const QDir dir(QStringLiteral(KANALYX_REALDATA_DIR));
    return dir.exists() ? dir.absolutePath() : QString();
}

void handleNextModal(std::function<void(QWidget*)> handle)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle = std::move(handle)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        handle(modal);
        if (modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
    });
    timer->start();
}

namespace {

QString describe(QWidget* modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        return box->informativeText().isEmpty() ? box->text()
                                                : box->text() + '\n' + box->informativeText();
    }
    return modal->windowTitle();
}

} // namespace

ModalAnswers::ModalAnswers() : m_timer(new QTimer(this))
{
    m_timer->setInterval(5);
    connect(m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
    m_timer->start();
}

ModalAnswers::~ModalAnswers() = default;

void ModalAnswers::expect(std::function<void(QWidget*)> answer)
{
    m_answers.push_back(std::move(answer));
}

void ModalAnswers::expectButton(const QString& buttonText)
{
    expect([buttonText](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
    });
}

void ModalAnswers::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    seen << describe(modal);
    if (m_answers.empty()) {
        unexpected << describe(modal);
    } else {
        const std::function<void(QWidget*)> answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(modal);
    }
    if (modal->isVisible()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
}

QString ScriptedFileDialogs::openFile(QWidget*, const QString&, const QString& filter)
{
    filters << filter;
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString ScriptedFileDialogs::saveFile(QWidget*, const QString&, const QString& filter,
                                      const QString&, const QString& proposedPath)
{
    filters << filter;
    proposed << proposedPath;
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(const std::string& bytes)
{
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

} // namespace kx::guitest
