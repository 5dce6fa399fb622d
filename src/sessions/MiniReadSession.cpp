#include "sessions/MiniReadSession.h"

#include "files/SettingsFile.h"
#include "files/SettingsFileMini.h"
#include "model/Utf8Path.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"

namespace morvik {

namespace ids = res::ids;

CMiniReadSession::CMiniReadSession(CTerminal& terminal, bool openSession,
                                   const MiniSettings& settings)
    : terminal_(&terminal), openSession_(openSession), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

CMiniReadSession::CMiniReadSession(std::string filePath, const MiniSettings& settings)
    : filePath_(std::move(filePath)), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

CMiniReadSession::~CMiniReadSession() {
    Join();
}

bool CMiniReadSession::ReadFile(MiniValues& values) {
    SettingsFileText file =
        ReadSettingsFileText(PathFromUtf8(filePath_), kMiniFamilySettingsFileMaxSize);
    if (!file.ok) {
        Fail(file.message);
        return false;
    }
    fileText_ = std::move(file.text);
    // The header may stand anywhere in the file.
    if (fileText_.find(SettingsFileHeader(SettingsFileEdition::Mini)) == std::string::npos) {
        Fail(res::TextCp932(ids::kSettingsFileInvalid));
        return false;
    }
    values = MiniSettingsFileValues(fileText_);
    SetPosition(Maximum());
    return true;
}

bool CMiniReadSession::ReadTerminal(MiniValues& values) {
    for (int keyId : MiniReadKeyIds()) {
        if (CancelRequested()) {
            Fail({});
            return false;
        }
        const std::string& key = res::TextCp932(keyId);
        std::string value = MiniGetValue(*terminal_, key);
        if (ReplyCheck(value) != kReplyOk) {
            Fail(res::TextCp932(ids::kReadFailed));
            return false;
        }
        values.insert_or_assign(key, std::move(value));
        Advance();
    }
    return true;
}

void CMiniReadSession::Conclude(MiniValueSource source, const MiniValues& values) {
    const MiniReadResult result = ReadMiniSettings(values, source, settings_);
    if (result.Failed()) {
        Fail(result.error);
        return;
    }
    loaded_ = true;
    warnings_ = result.warnings;
    SetPosition(Maximum());
    if (!warnings_.empty()) {
        for (const std::string& warning : warnings_) {
            AppendError(warning + "\r\n");
        }
        FailWithWarnings();
        return;
    }
    Complete();
}

void CMiniReadSession::Run() {
    SetTitle(ids::kReadingCaption);
    SetPosition(0);
    MiniValues values;
    if (FromFile()) {
        if (ReadFile(values)) {
            Conclude(MiniValueSource::File, values);
        }
        return;
    }

    if (openSession_) {
        if (!terminal_->IsConnected() && !terminal_->Connect(true)) {
            Fail(terminal_->OpenFailureText());
            return;
        }
        if (!terminal_->ProbeSession()) {
            Fail(res::TextCp932(ids::kConnectFailed));
            return;
        }
    }
    const bool read = ReadTerminal(values);
    // The terminal leaves command mode whatever became of the read; the reboot is sent before
    // the outcome is signalled, so the caller may close the port as soon as it sees the end.
    terminal_->SendReboot();
    if (read) {
        Conclude(MiniValueSource::Terminal, values);
    }
}

}  // namespace morvik
