#pragma once
// Where the program keeps its per-user files (preferences file, ports folder).

#include <string>

namespace morvik {

// The preferences folder: $MORVIK_CONFIG_DIR when set (tests point every program at a folder of
// their own with it), else $XDG_CONFIG_HOME/MorvikTool, else $HOME/.config/MorvikTool. The folder
// is not created here; whoever writes into it first creates it.
std::string ConfigDir();

}  // namespace morvik
