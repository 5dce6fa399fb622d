#pragma once
// Why a port could not be opened, in the command-line tool's words: after the system's
// "COMポートのオープンに失敗しました。" the port (and the device its COM number maps to) and the
// cause: no such device, a COM number that names no device, a port another program holds, a
// device that is not a serial port, no permission (with the advice on the dialout group), or the
// system's own error text.

#include <string>

#include "protocol/Terminal.h"

namespace morvik::cli {

// The lines after the first, code page 932 with CR LF between them (CTerminal's open failure
// detail).
std::string OpenFailureDetail(const CTerminal& terminal);

}  // namespace morvik::cli
