#pragma once
// The fixture of every test of the built command-line program: morvik runs on a machine of the
// test's own (its preferences folder, an empty sysfs and /dev unless the test plugs in a cable),
// against simulated terminals that share that preferences folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/FakeCable.h"
#include "support/SimProcess.h"

namespace morvik::test {

class CliFixture : public ::testing::Test {
  protected:
    // Runs morvik with the arguments, input on its standard input.
    RunResult Morvik(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), RequiredEnv("MORVIK_CLI"));
        return RunProgram(args, input, Env());
    }
    // Runs morvik with the arguments on the simulated terminal's device.
    RunResult Morvik(const SimProcess& sim, std::vector<std::string> args) {
        args.insert(args.begin(), {"--device", sim.DevicePath()});
        return Morvik(std::move(args));
    }
    std::map<std::string, std::string> Env() const {
        return {{"MORVIK_CONFIG_DIR", config_.path()},
                {"MORVIK_SYSFS_ROOT", machine_.File("sys")},
                {"MORVIK_DEV_ROOT", machine_.File("dev")}};
    }
    // A simulated terminal of the edition, with the preferences folder of the test.
    SimProcess Sim(const std::string& edition, std::vector<std::string> args = {}) {
        return SimProcess({.edition = edition, .args = std::move(args), .env = Env()});
    }
    void PlugInCable(const std::string& device, int index = 0, const std::string& serial = "") {
        PlugInTerminalCable(machine_, device, index, serial);
    }

    TempDir config_;   // the preferences folder
    TempDir machine_;  // sys and dev of the machine
    TempDir files_;    // the test's own files
};

}  // namespace morvik::test
