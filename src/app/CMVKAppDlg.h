#pragma once
// The main window: the tool's only top-level window, the owner of the one terminal object (and
// with it the serial port) and of the preferences, the keeper of the open settings windows, and
// the place every menu command starts from. Terminal-facing work is the core's CTerminal; this
// window forwards to it and shows what it reports.
//
// The settings windows, their sub-dialogs and the progress and transfer dialogs know this window
// only as their host (app/IWindowHost.h): the terminal, the preferences, message boxes, the modal
// guard and unregistering.
//
// The open settings windows are kept by CSettingsWindowRegistry. The members are defined in
// CMVKAppDlg.cpp (the window, its menu, the modal guard, the information panel), MainCommands.cpp
// (the menu commands), OpenFromTerminal.cpp and OpenFromFile.cpp (the windows a command opens).

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/CQtReporter.h"
#include "app/IWindowHost.h"
#include "app/SettingsWindowRegistry.h"
#include "files/Preferences.h"
#include "files/SettingsFile.h"
#include "protocol/DeviceInfo.h"
#include "protocol/Edition.h"
#include "protocol/Terminal.h"

class QAction;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace morvik {

class CFleetDlg;
class CMiniDetailFrameDlg;

// How the program was started.
struct AppStartOptions {
    std::string devicePath;       // a device to use instead of the COM port (--device)
    std::string preferencesPath;  // empty: the preferences file of the user
    bool pickAdapterPort = true;  // take the port of the terminal's cable when attached
};

class CMVKAppDlg : public QDialog, public IWindowHost {
    Q_OBJECT

  public:
    using StartOptions = AppStartOptions;

    using Family = CSettingsWindowRegistry::Family;
    static constexpr int kMaxSettingsWindows = CSettingsWindowRegistry::kMaxSettingsWindows;

    explicit CMVKAppDlg(StartOptions options = StartOptions(), QWidget* parent = nullptr);
    // Closes the Slim settings windows and leaves a reachable terminal out of command mode.
    ~CMVKAppDlg() override;

    // ---- Terminal and preferences ----------------------------------------------------------
    CTerminal& Terminal() override { return terminal_; }
    CQtReporter& Reporter() { return *reporter_; }
    Preferences& Prefs() override { return prefs_; }
    const std::string& IniPath() const { return prefs_.Path(); }
    int PortNumber() const { return terminal_.PortNumber(); }
    // The port every later connect opens; a COM number chosen here replaces a --device path.
    void SetPortNumber(int port);
    bool CloseAfterWrite() const { return prefs_.CloseAfterWrite(); }
    // Writes the current port and close-after-write flag (failures are silent).
    void SavePreferences();

    // ---- Messages and the modal guard ------------------------------------------------------
    // The error box: caption "エラー", warning icon, owned by owner (the main window when null).
    void ErrorBox(const QString& text, QWidget* owner = nullptr, bool guard = true) override;
    QMessageBox::StandardButton MessageBox(QWidget* owner, const QString& caption,
                                           const QString& text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons,
                                           bool guard) override;
    // Disables (on) or enables again (off) every settings window and the main window, so that
    // nothing starts a second exchange while one runs. Calls nest: the windows come back when
    // every "on" has had its "off".
    void ModalGuard(bool on) override;
    bool Guarded() const override { return guardDepth_ > 0; }

    // ---- Settings windows (app/SettingsWindowRegistry.h) -----------------------------------
    bool SettingsWindowLimitReached() const { return windows_.LimitReached(); }
    // Windows opened from files or the mode chooser; false when the family's list is full.
    bool RegisterSettingsWindow(Family family, QWidget* window) {
        return windows_.Register(family, window);
    }
    void UnregisterSettingsWindow(QWidget* window) override { windows_.Unregister(window); }
    int SettingsWindowCount(Family family) const { return windows_.Count(family); }
    // The windows read from a terminal, one slot each.
    QWidget* SlimSlot() const { return windows_.SlimSlot(); }
    void SetSlimSlot(QWidget* window) { windows_.SetSlimSlot(window); }
    void SetMiniSlot(QWidget* window) { windows_.SetMiniSlot(window); }
    void SetMiniSxSlot(QWidget* window) { windows_.SetMiniSxSlot(window); }

    // ---- Information panel -----------------------------------------------------------------
    void ShowDeviceInfo(const DeviceInfo& info) override;
    DeviceInfo PanelInfo() const;
    // The six lines the copy command puts on the clipboard.
    QString PanelClipboardText() const;

    // The menu command's action (the numbers of app/CommandIds.h), for the settings windows'
    // enabling and for tests.
    QAction* Action(int commandId) const;

    // Grays the Exit command while the port is open; closing is refused meanwhile.
    void SetCanClose(bool canClose);

    QWidget& HostWindow() override { return *this; }

    // The 一括設定 window while it is open.
    CFleetDlg* FleetWindow() const;

  public slots:
    void OnReadDeviceInfo();
    void OnCopyDeviceInfo();
    void OnSetClock();
    void OnEraseDetectionLog();
    void OnOptions();
    void OnAbout();
    void OnExit();
    void OnOpenSettingsFile();
    void OnChangeSettings();
    void OnSaveMaintenance();
    void OnUpdateFirmware();
    void OnGetDetectionLog();
    void OnOpenDetectionLog();
    void OnServiceSettings();
    // 一括設定: the window for many terminals at once (one; raised when open).
    void OnFleet();

  protected:
    // Escape, the Close box and Exit all end here: the window closes only while the port is
    // closed and no modal work runs.
    void reject() override;
    // Windows: the system menu's About entry (app/SystemMenu.h).
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    void BuildWindow();
    void BuildMenu(QMenuBar* menuBar);
    QAction* AddCommand(int commandId, const QString& text, const QKeySequence& shortcut);
    void InitialiseState(const StartOptions& options);
    // Enables each command as the guard, the port and the Slim slot allow.
    void UpdateCommandStates();

    // Runs work (exchanges with the terminal) on a worker, with the progress window titled as
    // the command and its キャンセル button; returns when the work has ended.
    void RunTerminalTask(int commandId, const std::function<void()>& work);
    // The edition check outside a session (CTerminal::DetectEdition(false)) run that way.
    EditionCode DetectEditionAsTask(int commandId);

    // ---- Opening windows from the terminal (OpenFromTerminal.cpp) ---------------------------
    // Change settings on a Mini-family terminal: the mode chooser, run modally. It is entered
    // with the modal guard on and the terminal disconnected; the chooser turns the guard off.
    void RunModeChooser(EditionCode code);
    // The detailed window of the edition read from the terminal (the chooser's 詳細設定).
    void OpenMiniDetailedWindow();
    void OpenMiniSxDetailedWindow();
    // Shows window for the terminal and reads it; created: the window was made for this read.
    void ReadTerminalIntoDetailedWindow(CMiniDetailFrameDlg& window, bool created);
    // Change settings on a Slim: open (or reuse) the Slim slot window titled with the terminal
    // ID and let it read the terminal (the session is open and stays so for the window).
    void OpenSlimSettingsFromTerminal(const std::string& terminalId);
    // The firmware dialog for the edition; the port is connected around it. Guard applied.
    void RunFirmwareDialog(EditionCode code);
    // The maintenance information dialog. Guard applied.
    void RunMaintenanceDialog();
    // The detection log dialog (Mini/MiniS only). Guard applied.
    void RunDetectionLogDialog();
    // The service settings window of the edition. Guard applied.
    void RunServiceSettingsDialog(EditionCode code);
    // What the mode chooser says of an edition that has no settings window.
    void WindowNotYetAvailable(int commandTextId);

    // ---- Opening windows from a file (OpenFromFile.cpp) ------------------------------------
    // Open a device settings file (already known to open) in a new settings window: the file is
    // read once, its header line decides the edition, and what was read goes to the window.
    void OpenSettingsFileWindow(const QString& path);
    void OpenSlimSettingsFile(const QString& path, SettingsFileText file);
    // Registers window (new) in family's list and loads it from file, read from path.
    void OpenDetailedWindowForFile(Family family, CMiniDetailFrameDlg* window, const QString& path,
                                   SettingsFileText file);
    // The chart window on a detection log CSV; an error box instead when the file is not a
    // detection log the tool wrote.
    void ShowDetectionLogWindow(const QString& path);

    std::unique_ptr<CQtReporter> reporter_;
    CTerminal terminal_;
    Preferences prefs_;
    std::array<QLineEdit*, 6> fields_{};
    QWidget* content_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::map<int, QAction*> actions_;
    int guardDepth_ = 0;
    bool canClose_ = true;

    CSettingsWindowRegistry windows_{[this] { UpdateCommandStates(); }};
    QPointer<QDialog> fleet_;  // the CFleetDlg; its header stays out of this one
};

}  // namespace morvik
