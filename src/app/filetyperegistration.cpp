#include "app/filetyperegistration.h"

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

// Writes bytes to path unless the file already holds exactly them; true when it wrote.
bool writeIfChanged(const QString& path, const QByteArray& bytes)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes) {
        return false;
    }
    current.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(bytes);
    return file.commit();
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

bool FileTypeRegistration::registerForUser(const QString& dataHome, const QString& executable)
{
    if (dataHome.isEmpty() || executable.isEmpty()) {
        return false;
    }
    const QDir home(dataHome);
    bool wrote = writeIfChanged(home.filePath(QStringLiteral("mime/packages/kanalyx.xml")),
                                mimePackage().toUtf8());
    wrote |= writeIfChanged(home.filePath(QStringLiteral("applications/kanalyx.desktop")),
                            desktopEntry(executable).toUtf8());
    const QByteArray icon = resource(QStringLiteral(":/icons/kanalyx.svg"));
    if (!icon.isEmpty()) {
        wrote |= writeIfChanged(
            home.filePath(QStringLiteral("icons/hicolor/scalable/apps/kanalyx.svg")), icon);
    }
    return wrote;
}

void FileTypeRegistration::refreshDatabases(const QString& dataHome)
{
    const QDir home(dataHome);
    startQuietly(QStringLiteral("update-mime-database"), {home.filePath(QStringLiteral("mime"))});
    startQuietly(QStringLiteral("update-desktop-database"),
                 {home.filePath(QStringLiteral("applications"))});
}

} // namespace kx
