#include "link/SerialCommAPI.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

// The serial port over the Win32 communications calls. The time-out values go to the driver as
// they are (SetCommTimeouts); reads that wait for a first byte ask for one byte only and then take
// what is queued, which is what the MAXDWORD/MAXDWORD/constant profile means and also keeps reads
// prompt on drivers (Wine's among them) that wait out the whole constant for a larger request.

namespace morvik {
namespace {

constexpr uint32_t kMaxTimeout = 0xFFFFFFFF;  // MAXDWORD

HANDLE Handle(void* handle) {
    return static_cast<HANDLE>(handle);
}

// The errno an open failure stands for. A COM port that another program holds answers "access
// denied"; that is a busy port, not a permission the user lacks.
int OpenErrorOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return EBUSY;
        default:
            return EIO;
    }
}

// Windows opens COM10 and above only through the device namespace (\\.\COM10); a bare
// "COMn" given as a device is opened there, which names the same device for COM1-COM9 too.
std::string DeviceName(const std::string& path) {
    const bool bareComName =
        path.size() > 3 && ::_strnicmp(path.c_str(), "COM", 3) == 0 &&
        std::all_of(path.begin() + 3, path.end(), [](char c) { return c >= '0' && c <= '9'; });
    return bareComName ? "\\\\.\\" + path : path;
}

}  // namespace

CSerialCommAPI::CSerialCommAPI() : handle_(INVALID_HANDLE_VALUE) {}

CSerialCommAPI::~CSerialCommAPI() {
    Close();
}

bool CSerialCommAPI::OpenDevice(const std::string& path) {
    lastOpenError_ = 0;
    if (IsOpen() || path.empty()) {
        return false;
    }
    HANDLE handle = ::CreateFileA(DeviceName(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        lastOpenError_ = OpenErrorOf(::GetLastError());
        return false;
    }
    // Only a communications device is a port: a file or a pipe under the name is refused.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(handle, &dcb)) {
        ::CloseHandle(handle);
        lastOpenError_ = ENOTTY;
        return false;
    }
    handle_ = handle;
    devicePath_ = path;
    ApplyTimeouts();
    // The line as the port has it, written back unchanged; the connect step sets the working
    // line settings.
    ReadLineSettings();
    (void)::SetCommState(handle, &dcb);
    SetMode(mode_);
    return true;
}

bool CSerialCommAPI::Close() {
    if (!IsOpen()) {
        return false;
    }
    const BOOL closed = ::CloseHandle(Handle(handle_));
    handle_ = INVALID_HANDLE_VALUE;
    devicePath_.clear();
    return closed != 0;
}

bool CSerialCommAPI::IsOpen() const {
    return Handle(handle_) != INVALID_HANDLE_VALUE;
}

bool CSerialCommAPI::WriteBytes(const void* bytes, size_t count) {
    if (!IsOpen() || count > MAXDWORD) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(Handle(handle_), bytes, static_cast<DWORD>(count), &written, nullptr);
    return ok && written == count;  // a partial write counts as a failed write
}

long CSerialCommAPI::ReadCall(uint8_t* buffer, size_t max) {
    if (max == 0) {
        return 0;
    }
    max = std::min<size_t>(max, 0x7FFFFFFF);
    DWORD got = 0;
    const CommTimeouts& t = timeouts_;
    if (t.readInterval == kMaxTimeout && t.readTotalMultiplier == kMaxTimeout) {
        // What is queued comes back at once; with nothing queued the call waits up to the
        // constant for the first byte and returns with it and whatever came with it.
        size_t queued = QueuedBytes();
        if (queued == 0) {
            if (t.readTotalConstant == 0) {
                return 0;
            }
            if (!::ReadFile(Handle(handle_), buffer, 1, &got, nullptr)) {
                return -1;
            }
            if (got == 0) {
                return 0;
            }
            queued = QueuedBytes();
        }
        DWORD more = 0;
        const size_t want = std::min(max - got, queued);
        if (want > 0 &&
            !::ReadFile(Handle(handle_), buffer + got, static_cast<DWORD>(want), &more, nullptr)) {
            return got > 0 ? static_cast<long>(got) : -1;
        }
        return static_cast<long>(got + more);
    }
    if (!::ReadFile(Handle(handle_), buffer, static_cast<DWORD>(max), &got, nullptr)) {
        return -1;
    }
    return static_cast<long>(got);
}

size_t CSerialCommAPI::QueuedBytes() const {
    if (!IsOpen()) {
        return 0;
    }
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(Handle(handle_), &errors, &status)) {
        return 0;
    }
    return status.cbInQue;
}

void CSerialCommAPI::DiscardInput() {
    if (IsOpen()) {
        (void)::PurgeComm(Handle(handle_), PURGE_RXCLEAR);
    }
}

LineSettings CSerialCommAPI::ReadLineSettings() {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!IsOpen() || !::GetCommState(Handle(handle_), &dcb)) {
        return lineSettings_;
    }
    LineSettings& s = lineSettings_;
    s.baudRate = dcb.BaudRate;
    s.byteSize = dcb.ByteSize;
    s.parity = dcb.Parity;
    s.stopBits = dcb.StopBits;
    s.binary = dcb.fBinary != 0;
    s.rtsOn = dcb.fRtsControl == RTS_CONTROL_ENABLE;
    s.ctsFlow = dcb.fOutxCtsFlow != 0;
    s.dsrFlow = dcb.fOutxDsrFlow != 0;
    s.dsrSensitivity = dcb.fDsrSensitivity != 0;
    s.xonXoffOut = dcb.fOutX != 0;
    s.xonXoffIn = dcb.fInX != 0;
    s.parityCheck = dcb.fParity != 0;
    s.abortOnError = dcb.fAbortOnError != 0;
    return s;
}

bool CSerialCommAPI::ApplyTimeouts() {
    if (!IsOpen()) {
        return false;
    }
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = timeouts_.readInterval;
    t.ReadTotalTimeoutMultiplier = timeouts_.readTotalMultiplier;
    t.ReadTotalTimeoutConstant = timeouts_.readTotalConstant;
    t.WriteTotalTimeoutMultiplier = timeouts_.writeTotalMultiplier;
    t.WriteTotalTimeoutConstant = timeouts_.writeTotalConstant;
    return ::SetCommTimeouts(Handle(handle_), &t) != 0;
}

bool CSerialCommAPI::ApplyLineSettings() {
    // Starts from the port's own block: the DTR control, continue-on-XOFF, error-character and
    // null-discard flags keep what the port has.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!IsOpen() || !::GetCommState(Handle(handle_), &dcb)) {
        return false;
    }
    const LineSettings& s = lineSettings_;
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = s.baudRate;
    dcb.ByteSize = s.byteSize;
    dcb.Parity = s.parity;
    dcb.StopBits = s.stopBits;
    dcb.fBinary = s.binary;
    dcb.fRtsControl = s.rtsOn ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
    dcb.fOutxCtsFlow = s.ctsFlow;
    dcb.fOutxDsrFlow = s.dsrFlow;
    dcb.fDsrSensitivity = s.dsrSensitivity;
    dcb.fOutX = s.xonXoffOut;
    dcb.fInX = s.xonXoffIn;
    dcb.fParity = s.parityCheck;
    dcb.fAbortOnError = s.abortOnError;
    return ::SetCommState(Handle(handle_), &dcb) != 0;
}

}  // namespace morvik
