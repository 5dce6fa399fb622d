#include "app/CMVKAppDlg.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/AppIcon.h"
#include "app/AppStringIds.h"
#include "app/CommandIds.h"
#include "app/ISettingsWindow.h"
#include "app/QtText.h"
#include "app/SystemMenu.h"
#include "link/AdapterLookup.h"
#include "model/ShownText.h"
#include "protocol/ProtocolTrace.h"
#include "res/DetectionLogViewIds.h"
#include "res/StringIds.h"

namespace morvik {

namespace {

// Labels of the information panel, in screen order.
constexpr std::array<int, 6> kFieldLabels = {
    res::ids::kProductName,
    res::ids::kTerminalId,
    res::ids::kFirmwareVersion,
    res::ids::kBootCounter,
    res::ids::kCumulativeTouchCounter,
    res::ids::kClock,
};

}  // namespace

CMVKAppDlg::CMVKAppDlg(StartOptions options, QWidget* parent)
    : QDialog(parent),
      reporter_(std::make_unique<CQtReporter>(*this)),
      terminal_(*reporter_),
      prefs_(options.preferencesPath.empty() ? Preferences::DefaultPath()
                                             : options.preferencesPath) {
    BuildWindow();
    InitialiseState(options);
}

CMVKAppDlg::~CMVKAppDlg() {
    // The settings windows go first: none may outlive the window whose terminal it uses.
    windows_.DeleteAll();
    // Leaves the terminal out of command mode when the tool ends; nothing is shown any more.
    CSilentReporter silent;
    terminal_.SetReporter(silent);
    terminal_.Shutdown();
    terminal_.SetReporter(*reporter_);
}

void CMVKAppDlg::BuildWindow() {
    setWindowTitle(Tr(res::ids::kAppName));
    setWindowIcon(AppIcon());
    // A dialog has no maximize box and its help button means nothing here.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    BuildMenu(menuBar_);

    content_ = new QWidget(this);
    auto* contentLayout = new QVBoxLayout(content_);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QGroupBox(Tr(res::ids::kDeviceInfo), content_);
    auto* form = new QFormLayout(panel);
    for (size_t i = 0; i < kFieldLabels.size(); ++i) {
        fields_[i] = new QLineEdit(panel);
        fields_[i]->setReadOnly(true);
        // The accelerators come first, as Ctrl+C must copy the whole panel: a field that took
        // the focus would keep that key for its own selection.
        fields_[i]->setFocusPolicy(Qt::NoFocus);
        fields_[i]->setMinimumWidth(260);
        fields_[i]->setObjectName(QStringLiteral("infoField%1").arg(i));
        form->addRow(new QLabel(Tr(kFieldLabels[i]), panel), fields_[i]);
    }
    contentLayout->addWidget(panel);
    layout->addWidget(content_);
}

QAction* CMVKAppDlg::AddCommand(int commandId, const QString& text, const QKeySequence& shortcut) {
    // The menu texts carry their accelerator after a tab ("...\tCtrl+O"), which the menu shows
    // as the shortcut column; the real shortcut is set apart from the text.
    auto* action = new QAction(text.section(QLatin1Char('\t'), 0, 0), this);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setData(commandId);
    addAction(action);  // shortcuts work while the menu is closed
    actions_[commandId] = action;
    return action;
}

void CMVKAppDlg::BuildMenu(QMenuBar* menuBar) {
    using namespace res::ids;
    struct Item {
        int id;
        int text;
        QKeySequence shortcut;
        void (CMVKAppDlg::*slot)();
    };
    const Item file[] = {
        {cmd::kOpenSettingsFile, kMenuOpenSettingsFile, QKeySequence(Qt::CTRL | Qt::Key_O),
         &CMVKAppDlg::OnOpenSettingsFile},
        {cmd::kOpenDetectionLog, kDlogViewMenuOpen, QKeySequence(),
         &CMVKAppDlg::OnOpenDetectionLog},
        {cmd::kCopyDeviceInfo, kMenuCopyDeviceInfo, QKeySequence(Qt::CTRL | Qt::Key_C),
         &CMVKAppDlg::OnCopyDeviceInfo},
        {cmd::kOptions, kMenuOptions, QKeySequence(), &CMVKAppDlg::OnOptions},
        {cmd::kExit, kMenuExit, QKeySequence(), &CMVKAppDlg::OnExit},
    };
    const Item terminal[] = {
        {cmd::kReadDeviceInfo, kMenuReadDeviceInfo, QKeySequence(Qt::CTRL | Qt::Key_L),
         &CMVKAppDlg::OnReadDeviceInfo},
        {cmd::kChangeSettings, kMenuChangeSettings, QKeySequence(Qt::CTRL | Qt::Key_R),
         &CMVKAppDlg::OnChangeSettings},
        {cmd::kSaveMaintenance, kMenuSaveMaintenance, QKeySequence(Qt::CTRL | Qt::Key_M),
         &CMVKAppDlg::OnSaveMaintenance},
        {cmd::kUpdateFirmware, kMenuUpdateFirmware, QKeySequence(Qt::CTRL | Qt::Key_F),
         &CMVKAppDlg::OnUpdateFirmware},
        {cmd::kGetDetectionLog, kMenuGetDetectionLog, QKeySequence(Qt::CTRL | Qt::Key_G),
         &CMVKAppDlg::OnGetDetectionLog},
        {cmd::kEraseDetectionLog, kMenuEraseDetectionLog, QKeySequence(Qt::CTRL | Qt::Key_E),
         &CMVKAppDlg::OnEraseDetectionLog},
        {cmd::kSetClock, kMenuSetClock, QKeySequence(Qt::CTRL | Qt::Key_T),
         &CMVKAppDlg::OnSetClock},
        {cmd::kFleet, kAppMenuFleet, QKeySequence(Qt::CTRL | Qt::Key_B), &CMVKAppDlg::OnFleet},
    };
    const Item help[] = {
        {cmd::kAbout, kMenuAbout, QKeySequence(), &CMVKAppDlg::OnAbout},
    };
    auto fill = [&](QMenu* menu, const auto& items) {
        for (const Item& item : items) {
            QAction* action = AddCommand(item.id, Tr(item.text), item.shortcut);
            connect(action, &QAction::triggered, this, item.slot);
            if (item.id == cmd::kExit || item.id == cmd::kOptions || item.id == cmd::kFleet) {
                menu->addSeparator();
            }
            menu->addAction(action);
        }
    };
    fill(menuBar->addMenu(Tr(kAppMenuFile)), file);
    fill(menuBar->addMenu(Tr(kAppMenuTerminal)), terminal);
    fill(menuBar->addMenu(Tr(kAppMenuHelp)), help);

    // Ctrl+S has no menu item: the service settings of the connected edition.
    QAction* service =
        AddCommand(cmd::kServiceSettings, QString(), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(service, &QAction::triggered, this, &CMVKAppDlg::OnServiceSettings);
}

void CMVKAppDlg::InitialiseState(const StartOptions& options) {
    AddAboutToSystemMenu(*this);
    if (const char* trace = std::getenv("MORVIK_TRACE"); trace && *trace) {
        terminal_.Trace().SetSink(StderrTraceSink());
    }
    terminal_.SetFirstCommunication(true);
    prefs_.LoadCloseAfterWrite();
    if (options.pickAdapterPort && options.devicePath.empty()) {
        // The terminal's cable, when attached, wins over the stored port, and is remembered.
        if (const std::optional<int> adapter = LookupAdapterPort()) {
            prefs_.SetPort(*adapter);
            prefs_.Save();
        }
    }
    prefs_.LoadPort();
    prefs_.LoadServiceDefaults();
    terminal_.SetPortNumber(prefs_.Port());
    terminal_.SetDevicePath(options.devicePath);
}

void CMVKAppDlg::SetPortNumber(int port) {
    terminal_.SetDevicePath(std::string());
    terminal_.SetPortNumber(Preferences::PortFromStored(port));
}

void CMVKAppDlg::SavePreferences() {
    prefs_.SetPort(terminal_.PortNumber());
    prefs_.Save();
}

void CMVKAppDlg::ErrorBox(const QString& text, QWidget* owner, bool guard) {
    MessageBox(owner, Tr(res::ids::kErrorCaption), text, QMessageBox::Warning, QMessageBox::Ok,
               guard);
}

QMessageBox::StandardButton CMVKAppDlg::MessageBox(QWidget* owner, const QString& caption,
                                                   const QString& text, QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons,
                                                   bool guard) {
    if (guard) {
        ModalGuard(true);
    }
    // The wait cursor of a running exchange does not belong over a question.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(icon, caption, text, buttons, owner ? owner : this);
    // Texts can hold what a terminal or a file said: never let them be read as rich text.
    box.setTextFormat(Qt::PlainText);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    QApplication::restoreOverrideCursor();
    if (guard) {
        ModalGuard(false);
    }
    return answer;
}

void CMVKAppDlg::ModalGuard(bool on) {
    if (on) {
        if (guardDepth_++ > 0) {
            return;
        }
    } else {
        if (guardDepth_ == 0 || --guardDepth_ > 0) {
            return;
        }
    }
    for (QWidget* window : windows_.GuardedWindows()) {
        window->setEnabled(!on);
    }
    // The main window's own contents and commands; disabling the window itself would disable
    // the dialogs and message boxes it owns along with it.
    content_->setEnabled(!on);
    menuBar_->setEnabled(!on);
    UpdateCommandStates();
}

void CMVKAppDlg::UpdateCommandStates() {
    for (auto& [id, action] : actions_) {
        bool enabled = guardDepth_ == 0;
        if (id == cmd::kExit) {
            enabled = enabled && canClose_;
        } else if (id == cmd::kChangeSettings) {
            enabled = enabled && !windows_.TerminalWindowOpen();
        } else if (id == cmd::kFleet) {
            // Its terminals may include the one a settings window holds open.
            enabled = enabled && canClose_;
        }
        action->setEnabled(enabled);
    }
}

void CMVKAppDlg::ShowDeviceInfo(const DeviceInfo& info) {
    const std::array<const std::string*, 6> texts = {
        &info.productName, &info.terminalId,   &info.firmwareVersion,
        &info.bootCounter, &info.touchCounter, &info.clock,
    };
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(FromCp932(ReplaceControlBytes(*texts[i], false)));
    }
}

DeviceInfo CMVKAppDlg::PanelInfo() const {
    DeviceInfo info;
    std::array<std::string*, 6> texts = {
        &info.productName, &info.terminalId,   &info.firmwareVersion,
        &info.bootCounter, &info.touchCounter, &info.clock,
    };
    for (size_t i = 0; i < fields_.size(); ++i) {
        *texts[i] = ToCp932(fields_[i]->text());
    }
    return info;
}

QString CMVKAppDlg::PanelClipboardText() const {
    return FromCp932(DeviceInfoClipboardText(PanelInfo()));
}

QAction* CMVKAppDlg::Action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void CMVKAppDlg::SetCanClose(bool canClose) {
    canClose_ = canClose;
    UpdateCommandStates();
}

void CMVKAppDlg::reject() {
    if (terminal_.IsConnected() || guardDepth_ > 0) {
        return;
    }
    // The settings windows end with the program: one question for all their unsaved changes.
    if (!ISettingsWindow::MayDiscardChanges(this, windows_.GuardedWindows(), true)) {
        return;
    }
    QDialog::reject();
}

void CMVKAppDlg::OnExit() {
    reject();
}

bool CMVKAppDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (IsSystemMenuAbout(message)) {
        OnAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

}  // namespace morvik
