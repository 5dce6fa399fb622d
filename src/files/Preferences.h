#pragma once
// The preferences file shared by the desktop tool and the command-line tool: an INI file
// ("MorvikTool.ini" in the preferences folder, section "MorvikMini/Slim") in the form the
// Windows private-profile functions read and write, so that a file carried over from a Windows
// installation reads the same here. Values are code page 932 bytes, as everywhere in the core.
//
// Reading never fails: a missing file, section or key gives the key's default, and so does a
// file that cannot be read (not a regular file, no permission, over 1 MiB). Writing creates the
// folder when it is missing and replaces the file in one rename, so an interrupted save leaves
// the previous file as it was; a save that cannot be done fails without a message, and a file
// that is there but could not be read is never written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvik {

// ---- Private-profile access (any section, any key) -------------------------------------------

// The value of key in section, trimmed and without one pair of enclosing quotes; nullopt when
// the file, the section or the key is missing. Section and key names compare without regard to
// ASCII case.
std::optional<std::string> ReadProfileString(const std::string& path, const std::string& section,
                                             const std::string& key);

// The value read as a decimal integer the way the profile functions do: optional sign, the
// digits up to the first other character (none gives 0), wrapping like a 32-bit register.
// defaultValue when the key is missing.
int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue);

// Sets every key of values in section, keeping every other line of the file; creates the
// section, the file and the folder as needed. False when the file could not be written.
bool WriteProfileStrings(const std::string& path, const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& values);

// The text a file holding text becomes when WriteProfileStrings sets values in it.
std::string ProfileTextWith(std::string_view text, const std::string& section,
                            const std::vector<std::pair<std::string, std::string>>& values);

// ---- The tool's preferences ----------------------------------------------------------------

class Preferences {
  public:
    static constexpr int kDefaultPort = 1;
    // Longest texts kept of the four service defaults (the reading buffers' sizes less one).
    static constexpr size_t kServiceBrowserUrlMax = 184;
    static constexpr size_t kServiceBrowserMessageMax = 183;
    static constexpr size_t kServiceTorucaUrlMax = 173;
    static constexpr size_t kServiceTorucaIconMax = 4;
    static constexpr int kUserLampCount = 3;

    // ConfigDir()/MorvikTool.ini.
    static std::string DefaultPath();

    explicit Preferences(std::string path = DefaultPath());

    const std::string& Path() const { return path_; }

    // Start-up reads them in this order, with the port pick of the terminal's cable between the
    // close flag and the port (the pick saves, and the port read then finds what it saved).
    void LoadCloseAfterWrite();
    void LoadPort();
    void LoadServiceDefaults();
    // All three, for a program that picks no port.
    void Load();
    // The same from a file's text already in memory.
    void LoadText(std::string_view text);

    // Writes "SerialPortNum" and "CloseCheck" together, each with "%d".
    bool Save() const;
    // The text that Save() makes of a file holding text.
    std::string SavedText(std::string_view text) const;

    int Port() const { return port_; }
    // Any value outside 1..256 becomes 1, as when it is read.
    void SetPort(int port);
    bool CloseAfterWrite() const { return closeAfterWrite_; }
    void SetCloseAfterWrite(bool on) { closeAfterWrite_ = on; }

    // Defaults the service settings windows offer (provisioned with the installation; this
    // program never writes them).
    const std::string& ServiceBrowserUrl() const { return serviceBrowserUrl_; }
    const std::string& ServiceBrowserMessage() const { return serviceBrowserMessage_; }
    const std::string& ServiceTorucaUrl() const { return serviceTorucaUrl_; }
    const std::string& ServiceTorucaIcon() const { return serviceTorucaIcon_; }

    // The user lamp patterns "userlamp1".."userlamp3" (number 1..3), read and written by the
    // lamp editors when they need them; empty when absent or for another number.
    std::string ReadUserLamp(int number) const;
    // The same from a file's text already in memory.
    static std::string UserLampInText(std::string_view text, int number);
    bool WriteUserLamp(int number, const std::string& pattern) const;

    // The rules applied to stored values, for every reader of the file.
    static int PortFromStored(int stored);
    static bool CloseFlagFromStored(int stored);

  private:
    // The file read once; empty when it is missing or cannot be read (every key its default).
    std::vector<std::string> FileLines() const;
    void LoadFrom(const std::vector<std::string>& lines);
    static std::string UserLampFrom(const std::vector<std::string>& lines, int number);
    std::vector<std::pair<std::string, std::string>> SavedValues() const;
    void LoadCloseAfterWriteFrom(const std::vector<std::string>& lines);
    void LoadPortFrom(const std::vector<std::string>& lines);
    void LoadServiceDefaultsFrom(const std::vector<std::string>& lines);

    std::string path_;
    int port_ = kDefaultPort;
    bool closeAfterWrite_ = false;
    std::string serviceBrowserUrl_;
    std::string serviceBrowserMessage_;
    std::string serviceTorucaUrl_;
    std::string serviceTorucaIcon_;
};

}  // namespace morvik
