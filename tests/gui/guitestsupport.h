#pragma once

#include <deque>
#include <functional>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include "gui/filedialogs.h"

class QWidget;
class QTimer;

namespace kx::guitest {

// Removes every value the editor stored under "Velto"/"Kanalyx" and the user's side files (the
// tests' own settings and data folders).
void clearSettings();

// The folder of the test programs, where the build puts libpelmora.so beside them.
QString programFolder();

// The folder of channel lists exported by real TVs, or an empty string when it is absent.
QString realDataDir();

// Runs handle on the next modal dialog as soon as it is shown (the event loop of the dialog
// calls it), then closes the dialog if handle left it open. Returns at once; the dialog is
// opened afterwards by the code under test.
void handleNextModal(std::function<void(QWidget*)> handle);

// Answers the modal dialogs that the code under test opens, in order. A dialog that no answer was
// queued for is closed (rejected) and its text recorded, so a test never hangs on one.
class ModalAnswers : public QObject
{
    Q_OBJECT

public:
    ModalAnswers();
    ~ModalAnswers() override;

    // Queues an answer for the next dialog; it may click a button, fill in fields, or just look.
    void expect(std::function<void(QWidget*)> answer);
    // Queues pressing the message box button with this text.
    void expectButton(const QString& buttonText);

    // The texts of the message boxes seen so far (answered or not).
    QStringList seen;
    // The dialogs closed because no answer was queued for them.
    QStringList unexpected;
    int pending() const { return static_cast<int>(m_answers.size()); }

private:
    void poll();

    std::deque<std::function<void(QWidget*)>> m_answers;
    QTimer* m_timer;
};

// Answers the file choosers from a queue (an empty answer when it runs out, as for Cancel) and
// remembers what they were asked.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QStringList answers;
    QStringList filters;
    // The names offered to save under.
    QStringList proposed;

    QString openFile(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                     const QString& defaultSuffix, const QString& proposedPath) override;
};

// Writes bytes to a file (true when all of them were written); reads a whole file (empty when it
// cannot be read).
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// The bytes of a string the core's builders made.
QByteArray bytesOf(const std::string& bytes);

} // namespace kx::guitest

// Skips the current test, visibly, when the real TV files are absent.
#define KX_REQUIRE_REALDATA_QT()                                                                   \
    do {                                                                                           \
        if (::kx::guitest::realDataDir().isEmpty()) {                                              \
            QSKIP("real TV files not found (expected beside the project in ../shared/realdata)");  \
        }                                                                                          \
    } while (false)
