#pragma once
// The program's one stored setting lives in a store with registry semantics:
// keys under the current user's root that are opened (created or not), hold
// named 32-bit integer values, and are closed. On Windows this is the
// registry (HKEY_CURRENT_USER); elsewhere a small per-user file under the
// standard configuration folder (XDG_CONFIG_HOME).
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class SettingsKey {
public:
    SettingsKey();
    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    // Opens the key (path with backslashes, such as "Software\\RGB Colour
    // Picker"); with create, a missing key is made. False when it cannot be.
    bool Open(const std::string& path, bool create);
    bool IsOpen() const;
    // False when the key is not open, the value is missing, or the value is
    // not a 32-bit integer.
    bool ReadInteger(const std::string& name, std::int32_t& value) const;
    // False when the key is not open or has gone, or the write failed.
    bool WriteInteger(const std::string& name, std::int32_t value);
    // A text value: the program itself never writes one; tests do, to stand
    // for a value of the wrong type.
    bool WriteString(const std::string& name, const std::string& value);
    void Close();

    // Removes a key and its values (tests, and a user resetting settings).
    static bool DeleteKey(const std::string& path);

    class Backend;

private:
    std::unique_ptr<Backend> backend_;
};

} // namespace platform
