#pragma once
// The simulator's end of the cable: a pseudo-terminal whose slave side the tool opens as if it
// were the USB serial adapter. Output can be paced like a real line (baud rate) and delivered in
// small pieces with pauses, as USB serial adapters hand data over.

#include <string>
#include <string_view>

namespace morvik::sim {

struct LinePacing {
    int baud = 0;         // 0: no wire time
    bool pieces = false;  // deliver in small pieces with pauses
};

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

    // Reads what the tool wrote (non-blocking); an empty result when nothing is waiting.
    std::string Read();
    // Writes to the tool with the given pacing. Data that the tool does not take within a few
    // seconds is dropped, as a UART drops what nobody reads.
    void Write(std::string_view data, const LinePacing& pacing);

  private:
    void WriteNow(std::string_view data);

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
