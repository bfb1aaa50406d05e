// The settings store on Windows is the registry itself, under
// HKEY_CURRENT_USER, with integers as REG_DWORD values. A key deleted while it
// is open stays deleted: the registry then fails every write through the old
// handle (ERROR_KEY_DELETED), which is the failure the options dialog reports.
#include "platform/SettingsStore.h"

#include <QString>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

namespace {

std::wstring Wide(const std::string& utf8) { return QString::fromStdString(utf8).toStdWString(); }

} // namespace

class SettingsKey::Backend {
public:
    explicit Backend(HKEY key) : key_(key) {}
    ~Backend() { RegCloseKey(key_); }
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    HKEY Key() const { return key_; }

private:
    HKEY key_;
};

SettingsKey::SettingsKey() = default;
SettingsKey::~SettingsKey() = default;

bool SettingsKey::Open(const std::string& path, bool create)
{
    Close();
    if (path.empty())
        return false;
    const std::wstring wpath = Wide(path);
    const REGSAM access = KEY_QUERY_VALUE | KEY_SET_VALUE;
    HKEY key = nullptr;
    const LONG rc = create
        ? RegCreateKeyExW(HKEY_CURRENT_USER, wpath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                          &key, nullptr)
        : RegOpenKeyExW(HKEY_CURRENT_USER, wpath.c_str(), 0, access, &key);
    if (rc != ERROR_SUCCESS)
        return false;
    backend_ = std::make_unique<Backend>(key);
    return true;
}

bool SettingsKey::IsOpen() const { return backend_ != nullptr; }

bool SettingsKey::ReadInteger(const std::string& name, std::int32_t& value) const
{
    if (!backend_)
        return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    const std::wstring wname = Wide(name);
    // A value longer than a DWORD answers ERROR_MORE_DATA and so fails here too.
    if (RegQueryValueExW(backend_->Key(), wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size)
            != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof(data))
        return false;
    value = std::int32_t(data);
    return true;
}

bool SettingsKey::WriteInteger(const std::string& name, std::int32_t value)
{
    if (!backend_)
        return false;
    const DWORD data = DWORD(value);
    const std::wstring wname = Wide(name);
    return RegSetValueExW(backend_->Key(), wname.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data))
        == ERROR_SUCCESS;
}

bool SettingsKey::WriteString(const std::string& name, const std::string& value)
{
    if (!backend_)
        return false;
    const std::wstring wname = Wide(name);
    const std::wstring wvalue = Wide(value);
    const DWORD bytes = DWORD((wvalue.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(backend_->Key(), wname.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wvalue.c_str()),
                          bytes)
        == ERROR_SUCCESS;
}

void SettingsKey::Close() { backend_.reset(); }

bool SettingsKey::DeleteKey(const std::string& path)
{
    if (path.empty())
        return false;
    const std::wstring wpath = Wide(path);
    return RegDeleteTreeW(HKEY_CURRENT_USER, wpath.c_str()) == ERROR_SUCCESS;
}

} // namespace platform
