#include "sessions/MiniFamilyReadSession.h"

#include "files/MiniFamilySettingsFile.h"
#include "model/Utf8Path.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"

namespace morvik {

namespace ids = res::ids;

template <class Edition>
CMiniFamilyReadSession<Edition>::CMiniFamilyReadSession(CTerminal& terminal, bool openSession,
                                                        const SettingsType& settings)
    : terminal_(&terminal), openSession_(openSession), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

template <class Edition>
CMiniFamilyReadSession<Edition>::CMiniFamilyReadSession(std::string filePath,
                                                        const SettingsType& settings)
    : filePath_(std::move(filePath)), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

template <class Edition>
CMiniFamilyReadSession<Edition>::CMiniFamilyReadSession(SettingsFileText file,
                                                        const SettingsType& settings)
    : file_(std::move(file)), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

template <class Edition>
CMiniFamilyReadSession<Edition>::~CMiniFamilyReadSession() {
    Join();
}

template <class Edition>
bool CMiniFamilyReadSession<Edition>::ReadFile(MiniValues& values) {
    MiniFamilyFileValues file =
        file_ ? MiniFamilySettingsFile<Edition>::Of(std::move(*file_))
              : MiniFamilySettingsFile<Edition>::Read(PathFromUtf8(filePath_));
    if (!file.error.empty()) {
        Fail(file.error);
        return false;
    }
    fileText_ = std::move(file.text);
    values = std::move(file.values);
    SetPosition(Maximum());
    return true;
}

template <class Edition>
bool CMiniFamilyReadSession<Edition>::ReadTerminal(MiniValues& values) {
    for (int keyId : Edition::ReadKeyIds()) {
        if (CancelRequested()) {
            Fail({});
            return false;
        }
        std::string value = MiniReadValue(*terminal_, keyId);
        if (ReplyCheck(value) != kReplyOk) {
            Fail(res::TextCp932(ids::kReadFailed));
            return false;
        }
        values.insert_or_assign(res::TextCp932(keyId), std::move(value));
        Advance();
    }
    return true;
}

template <class Edition>
void CMiniFamilyReadSession<Edition>::Conclude(MiniValueSource source, const MiniValues& values) {
    const MiniReadResult result = ReadMiniFamilySettings<Edition>(values, source, settings_);
    if (result.Failed()) {
        Fail(result.error);
        return;
    }
    loaded_ = true;
    warnings_ = result.warnings;
    SetPosition(Maximum());
    if (!warnings_.empty()) {
        AppendError(MessageLines(warnings_));
        FailWithWarnings();
        return;
    }
    Complete();
}

template <class Edition>
void CMiniFamilyReadSession<Edition>::Run() {
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

template class CMiniFamilyReadSession<MiniEdition>;
template class CMiniFamilyReadSession<MiniSxEdition>;

}  // namespace morvik
