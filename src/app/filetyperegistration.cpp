#include "app/filetyperegistration.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace kx {

namespace {

// Quotes a path for the Exec key: inside double quotes, the characters ", `, $ and \ take a
// backslash, and every backslash of the result is doubled again by the key's string escaping.
QString execArgument(const QString& path)
{
    QString quoted;
    for (const QChar ch : path) {
        if (ch == '"' || ch == '`' || ch == '$' || ch == '\\') {
            quoted += '\\';
        }
        quoted += ch;
    }
    quoted.replace('\\', QStringLiteral("\\\\"));
    return '"' + quoted + '"';
}

using Outcome = FileTypeRegistration::Outcome;

// Writes bytes to path unless the file already holds exactly them.
Outcome writeIfChanged(const QString& path, const QByteArray& bytes)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes) {
        return Outcome::AlreadyThere;
    }
    current.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return Outcome::Failed;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Outcome::Failed;
    }
    file.write(bytes);
    return file.commit() ? Outcome::Written : Outcome::Failed;
}

// The outcome of several writes: failed if one failed, written if one wrote.
Outcome combined(Outcome first, Outcome second)
{
    if (first == Outcome::Failed || second == Outcome::Failed) {
        return Outcome::Failed;
    }
    return first == Outcome::Written ? first : second;
}

void startQuietly(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        return;
    }
    QProcess process;
    process.setProgram(tool);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString FileTypeRegistration::mimePackage()
{
    return QString::fromUtf8(resource(QStringLiteral(":/desktop/kanalyx-mime.xml")));
}

QString FileTypeRegistration::desktopEntry(const QString& executable)
{
    QString entry = QString::fromUtf8(resource(QStringLiteral(":/desktop/kanalyx.desktop.in")));
    entry.replace(QStringLiteral("@KANALYX_EXECUTABLE@"), execArgument(executable));
    return entry;
}

FileTypeRegistration::Outcome FileTypeRegistration::registerForUser(const QString& dataHome,
                                                                    const QString& executable)
{
    if (dataHome.isEmpty() || executable.isEmpty()) {
        return Outcome::Failed;
    }
    const QDir home(dataHome);
    Outcome outcome = writeIfChanged(home.filePath(QStringLiteral("mime/packages/kanalyx.xml")),
                                     mimePackage().toUtf8());
    outcome = combined(outcome,
                       writeIfChanged(home.filePath(QStringLiteral("applications/kanalyx.desktop")),
                                      desktopEntry(executable).toUtf8()));
    const QByteArray icon = resource(QStringLiteral(":/icons/kanalyx.svg"));
    if (!icon.isEmpty()) {
        outcome = combined(
            outcome,
            writeIfChanged(home.filePath(QStringLiteral("icons/hicolor/scalable/apps/kanalyx.svg")),
                           icon));
    }
    return outcome;
}

int FileTypeRegistration::registerFromCommandLine()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString executable = QCoreApplication::applicationFilePath();
    const Outcome outcome = registerForUser(dataHome, executable);
    if (outcome == Outcome::Failed) {
        std::fprintf(stderr, "kanalyx: cannot register the .tll file type in %s\n",
                     qPrintable(QDir::toNativeSeparators(dataHome)));
        return 1;
    }
    if (outcome == Outcome::Written) {
        refreshDatabases(dataHome);
    }
    std::printf("The .tll file type %s registered for %s in %s\n",
                outcome == Outcome::Written ? "is now" : "was already", qPrintable(executable),
                qPrintable(dataHome));
    return 0;
}

void FileTypeRegistration::refreshDatabases(const QString& dataHome)
{
    const QDir home(dataHome);
    startQuietly(QStringLiteral("update-mime-database"), {home.filePath(QStringLiteral("mime"))});
    startQuietly(QStringLiteral("update-desktop-database"),
                 {home.filePath(QStringLiteral("applications"))});
}

} // namespace kx
