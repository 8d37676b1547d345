#pragma once

#include "platform/profile.h"

#include <QByteArray>
#include <QStringList>

namespace kx {

// The per-user preferences of the editor, kept by QSettings under "Velto"/"Kanalyx"
// (~/.config/Velto/Kanalyx.conf): one group per section, integers written at once.
class SettingsProfile : public Profile
{
public:
    int getInt(std::string_view section, std::string_view name, int defaultValue) const override;
    void setInt(std::string_view section, std::string_view name, int value) override;

    // Bytes kept for the window (geometry, splitter states); empty when none are stored.
    QByteArray getBytes(std::string_view section, std::string_view name) const;
    void setBytes(std::string_view section, std::string_view name, const QByteArray& value);

    // The recently used files, most recent first, at most kRecentFileCount.
    static constexpr int kRecentFileCount = 4;
    QStringList recentFiles() const;
    // Puts path at the top of the recent files, removing an older entry of the same file.
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    // Whether the first save over an opened file keeps that file as NAME.bak ("Files"/"Backup";
    // on unless turned off).
    bool keepsBackups() const;
    void setKeepsBackups(bool keep);

private:
    void storeRecentFiles(const QStringList& files);
};

} // namespace kx
