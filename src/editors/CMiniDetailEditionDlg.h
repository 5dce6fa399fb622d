#pragma once
// The part of a Mini-family detailed window that only differs by edition in its types: one
// settings value, read by the edition's read session, written by its write session in its
// progress window, checked and saved by its model functions. Edition is a description of the
// edition:
//
//   struct Edition {
//       using Settings = ...;  using ReadSession = ...;  using WriteSession = ...;
//       using ProgressDlg = ...;
//       static std::vector<std::string> Validate(const Settings&);
//       static bool WriteAllowed(const Settings&);
//       static int NoteId(const Settings&);
//       static bool Save(const std::filesystem::path&, const Settings&, std::string& message);
//   };

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "editors/CMiniDetailFrameDlg.h"
#include "editors/MiniWriteRun.h"
#include "model/Utf8Path.h"

namespace morvik {

template <class Edition>
class CMiniDetailEditionDlg : public CMiniDetailFrameDlg {
  public:
    using SettingsType = typename Edition::Settings;

    SettingsType& Settings() { return settings_; }
    bool HasUnsavedChanges() const override { return settings_ != clean_; }
    // Shows the value again after it was changed from outside the pages.
    virtual void RefreshAll() = 0;

  protected:
    CMiniDetailEditionDlg(IWindowHost& host, int captionId)
        : CMiniDetailFrameDlg(host, captionId) {}

    std::vector<std::string> Validate() const override { return Edition::Validate(settings_); }
    bool WriteAllowed() const override { return Edition::WriteAllowed(settings_); }
    int NoteId() const override { return Edition::NoteId(settings_); }

    std::unique_ptr<CSessionWorker> MakeReadSession(std::optional<SettingsFileText> file) override {
        if (file) {
            return std::make_unique<typename Edition::ReadSession>(std::move(*file), settings_);
        }
        return std::make_unique<typename Edition::ReadSession>(Host().Terminal(), true, settings_);
    }

    void RunRead(CSessionWorker& read, bool fromFile) override {
        CTerminal& terminal = Host().Terminal();
        typename Edition::ProgressDlg dialog(read, this);
        dialog.SetExchangeEndedHandler([&terminal] { terminal.Disconnect(); }, fromFile);
        dialog.exec();
    }

    bool TakeRead(const CSessionWorker& worker) override {
        const auto& read = static_cast<const typename Edition::ReadSession&>(worker);
        if (!read.Loaded()) {
            return false;
        }
        settings_ = read.Settings();
        RefreshAll();
        clean_ = settings_;
        return true;
    }

    WriteOutcome RunWrite(bool setClock) override {
        typename Edition::WriteSession session(Host().Terminal(), settings_, setClock);
        const bool done = RunWriteDialog<typename Edition::ProgressDlg>(Host(), this, session);
        return OutcomeOf(session, done);
    }

    bool SaveSettingsFile(const QString& path, std::string& message) const override {
        return Edition::Save(PathFromUtf8(LocalPath(path)), settings_, message);
    }

    void MarkClean() override { clean_ = settings_; }

    SettingsType settings_;
    // The values last read, written or saved.
    SettingsType clean_;
};

}  // namespace morvik
