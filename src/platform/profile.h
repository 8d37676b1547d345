#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace kx {

// Per-user integer preferences by section and value name, each read with a default and written at
// once. The GUI backs it with QSettings; tests and the command-line tool use MemoryProfile.
class Profile
{
public:
    virtual ~Profile() = default;
    virtual int getInt(std::string_view section, std::string_view name, int defaultValue) const = 0;
    virtual void setInt(std::string_view section, std::string_view name, int value) = 0;
};

// A profile held in memory only.
class MemoryProfile : public Profile
{
public:
    int getInt(std::string_view section, std::string_view name, int defaultValue) const override
    {
        const auto it = m_values.find({std::string(section), std::string(name)});
        return it == m_values.end() ? defaultValue : it->second;
    }
    void setInt(std::string_view section, std::string_view name, int value) override
    {
        m_values[{std::string(section), std::string(name)}] = value;
    }
    bool contains(std::string_view section, std::string_view name) const
    {
        return m_values.count({std::string(section), std::string(name)}) != 0;
    }

private:
    std::map<std::pair<std::string, std::string>, int> m_values;
};

} // namespace kx
