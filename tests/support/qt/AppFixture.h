#pragma once
// A main window on a test machine of its own: its preferences folder (with its ports folder) is
// a temporary folder, and a simulated terminal can be linked there as a COM port. A window that
// needs only a host gets the small test host instead (Host()).

#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/CMVKAppDlg.h"
#include "support/ScopedEnv.h"
#include "support/SimProcess.h"
#include "support/qt/BoxAnswerer.h"
#include "support/qt/TestWindowHost.h"

namespace morvik::test {

class AppFixture : public ::testing::Test {
  protected:
    std::string IniPath() const { return config_.File("MorvikTool.ini"); }
    const TempDir& Config() const { return config_; }

    // A simulated terminal of the edition, linked as COM<com> when com is not 0.
    SimProcess& StartSim(const std::string& edition, std::vector<std::string> args = {},
                         int com = 0) {
        if (com != 0) {
            args.push_back("--com");
            args.push_back(std::to_string(com));
        }
        sims_.push_back(std::make_unique<SimProcess>(
            SimOptions{.edition = edition,
                       .args = std::move(args),
                       .env = {{"MORVIK_CONFIG_DIR", config_.path()}}}));
        return *sims_.back();
    }

    // The main window, started as the program starts it; on the device when one is given.
    CMVKAppDlg& Window(const std::string& device = std::string()) {
        CMVKAppDlg::StartOptions options;
        options.devicePath = device;
        window_ = std::make_unique<CMVKAppDlg>(options);
        return *window_;
    }

    // A host on the preferences of this folder, for a window that needs no main window.
    TestWindowHost& Host() {
        host_ = std::make_unique<TestWindowHost>();
        return *host_;
    }

    static bool Logged(const SimProcess& sim, const std::string& line) {
        const auto lines = sim.LogLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    BoxAnswerer boxes_;

  private:
    TempDir config_;
    // The window and its sessions read the preferences of this folder; the next test gets back
    // what the program had.
    ScopedEnv configEnv_{"MORVIK_CONFIG_DIR", config_.path()};
    std::vector<std::unique_ptr<SimProcess>> sims_;
    std::unique_ptr<CMVKAppDlg> window_;
    std::unique_ptr<TestWindowHost> host_;
};

}  // namespace morvik::test
