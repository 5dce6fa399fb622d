#pragma once
// The part of the preferences file the command-line tool needs: the COM port number. The file is
// the desktop tool's (an INI file, section "MorvikMini/Slim"); this reads it the way the
// platform's private-profile functions do and never writes it.

#include <string>

namespace morvik::cli {

// ConfigDir()/MorvikTool.ini.
std::string PreferencesPath();

// "SerialPortNum" of the file at path: 1 when the file, the section or the key is missing, and
// when the stored number lies outside 1..256.
int ReadPreferredPort(const std::string& path);

}  // namespace morvik::cli
