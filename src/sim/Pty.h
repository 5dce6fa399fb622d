#pragma once
// The simulator's end of the cable: a pseudo-terminal whose slave side the tool opens as if it
// were the USB serial adapter. The line's timing (sim/SimLine.h) is not its business: it reads
// and writes whatever it is given, without waiting.

#include <cstddef>
#include <string>
#include <string_view>

namespace morvik::sim {

class Pty {
  public:
    Pty() = default;
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool Open(std::string& error);
    void Close();
    const std::string& SlavePath() const { return slavePath_; }
    int MasterFd() const { return master_; }

    // Reads up to max bytes of what the tool wrote; an empty result when nothing is waiting.
    std::string Read(std::size_t max);
    // Writes what the tool has room for; returns how many bytes that was (0 when it has none).
    std::size_t WriteSome(std::string_view data);

  private:
    int master_ = -1;
    // Our own open slave descriptor: without it the master reports hang-ups whenever the tool
    // closes its side, and the line settings would fall back to the defaults.
    int slave_ = -1;
    std::string slavePath_;
};

// Links path to target as a symbolic link. With replace, an existing link there is replaced
// (never a file); without, anything already at path is refused (a COMn link belongs to the
// device or simulator that made it). symlink() itself refuses an existing name, so two
// simulators started at once cannot both take it.
bool MakeLink(const std::string& target, const std::string& path, bool replace, std::string& error);
// Removes the link at path when it still points at target.
void RemoveLink(const std::string& target, const std::string& path);
// The ports folder: $MORVIK_CONFIG_DIR/ports, else $XDG_CONFIG_HOME/MorvikTool/ports, else
// ~/.config/MorvikTool/ports.
std::string PortsFolder();

}  // namespace morvik::sim
