#include "app/settingsprofile.h"

#include <QFileInfo>
#include <QSettings>

namespace kx {

namespace {

constexpr const char* kOrganization = "Velto";
constexpr const char* kApplication = "Kanalyx";
constexpr const char* kRecentSection = "Recent File List";
constexpr const char* kFilesSection = "Files";
constexpr const char* kBackupValue = "Backup";

QString keyOf(std::string_view section, std::string_view name)
{
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString recentKey(int index)
{
    return QStringLiteral("%1/File%2").arg(QLatin1String(kRecentSection)).arg(index + 1);
}

// Two names of one file compare equal even when one is relative or has "..".
bool sameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

int SettingsProfile::getInt(std::string_view section, std::string_view name, int defaultValue) const
{
    const QSettings settings(kOrganization, kApplication);
    // A value edited by hand into something that is not a number reads as the default.
    bool ok = false;
    const int value = settings.value(keyOf(section, name)).toInt(&ok);
    return ok ? value : defaultValue;
}

void SettingsProfile::setInt(std::string_view section, std::string_view name, int value)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(keyOf(section, name), value);
}

QByteArray SettingsProfile::getBytes(std::string_view section, std::string_view name) const
{
    const QSettings settings(kOrganization, kApplication);
    return settings.value(keyOf(section, name)).toByteArray();
}

void SettingsProfile::setBytes(std::string_view section, std::string_view name,
                               const QByteArray& value)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(keyOf(section, name), value);
}

QStringList SettingsProfile::recentFiles() const
{
    const QSettings settings(kOrganization, kApplication);
    QStringList files;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString file = settings.value(recentKey(i)).toString();
        if (!file.isEmpty()) {
            files.append(file);
        }
    }
    return files;
}

void SettingsProfile::addRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeIf([&](const QString& file) { return sameFile(file, path); });
    files.prepend(QFileInfo(path).absoluteFilePath());
    storeRecentFiles(files);
}

void SettingsProfile::removeRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeIf([&](const QString& file) { return sameFile(file, path); });
    storeRecentFiles(files);
}

bool SettingsProfile::keepsBackups() const
{
    return getInt(kFilesSection, kBackupValue, 1) != 0;
}

void SettingsProfile::setKeepsBackups(bool keep)
{
    setInt(kFilesSection, kBackupValue, keep ? 1 : 0);
}

void SettingsProfile::storeRecentFiles(const QStringList& files)
{
    QSettings settings(kOrganization, kApplication);
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < files.size()) {
            settings.setValue(recentKey(i), files.at(i));
        } else {
            settings.remove(recentKey(i));
        }
    }
}

} // namespace kx
