// morvik fleet end to end: several morvik-sim terminals of mixed editions, each on its own
// pseudo-terminal behind its own cable of the test machine, served by one run of the tool.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "support/CliFixture.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"
#include "support/SimProcess.h"
#include "support/Spawn.h"

namespace morvik {
namespace {

using test::RunResult;

class Fleet : public test::CliFixture {
  protected:
    struct Terminal {
        std::string edition;
        std::string tid;
        std::vector<std::string> args;
    };

    // Starts the terminals, each behind cable i (COM i + 1, USB serial number "CAB<i>").
    void Attach(const std::vector<Terminal>& terminals) {
        for (size_t i = 0; i < terminals.size(); ++i) {
            std::vector<std::string> args = {"--tid", terminals[i].tid};
            args.insert(args.end(), terminals[i].args.begin(), terminals[i].args.end());
            sims_.push_back(std::make_unique<test::SimProcess>(
                test::SimOptionsFor(terminals[i].edition, args, Env())));
            PlugInCable(sims_.back()->DevicePath(), static_cast<int>(i), "CAB" + std::to_string(i));
        }
    }

    // The report's records, each split at its commas (the test's texts hold none).
    static std::vector<std::vector<std::string>> Csv(const std::string& path) {
        std::string text = test::ReadWholeFile(path);
        EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF"));
        std::vector<std::vector<std::string>> records;
        std::istringstream in(text.substr(3));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            std::vector<std::string> fields;
            std::istringstream split(line);
            for (std::string field; std::getline(split, field, ',');) {
                fields.push_back(field);
            }
            records.push_back(fields);
        }
        return records;
    }

    static bool Sent(const test::SimProcess& sim, const std::string& prefix) {
        for (const std::string& line : sim.LogLines()) {
            if (line.starts_with(prefix)) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::unique_ptr<test::SimProcess>> sims_;
};

TEST_F(Fleet, AMiniFileOnMixedTerminalsWithOneFault) {
    // The file: a Mini's settings as the tool reads them, unlike the terminals' factory values.
    const std::string file = files_.File("shop.dat");
    test::SimProcess source =
        Sim("mini", {"--param", "rslt=1", "--param", "fchg=1", "--param", "pow=3"});
    ASSERT_EQ(Morvik(source, {"--quiet", "read", file}).exitCode, 0);
    Attach({{"mini", "M1", {}},
            {"minis", "S2", {}},
            {"minisx", "X3", {}},
            {"slim", "L4", {}},
            {"mini", "F5", {"--fault", "error-key=que1"}}});

    const std::string report = files_.File("report.csv");
    RunResult run = Morvik({"fleet", "write", file, "--report", report});
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    // Into a pipe: a line per event, then the summary table and the count.
    EXPECT_NE(run.out.find("COM1: 識別中\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("COM2: 成功: 書き込みが完了し、再起動しました。\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("5台中 成功 2台、対象外 2台、失敗 1台"), std::string::npos) << run.out;
    // Every terminal that did not succeed is listed, with its reason.
    const std::string notForIt = "この設定画面から設定可能な機器ではありません。 接続機器";
    EXPECT_NE(run.err.find("  COM3 対象外: " + notForIt), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("  COM4 対象外: " + notForIt), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("  COM5 失敗: 書き込み時のチェックサムエラーが発生しました。(498)"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("  COM1 "), std::string::npos) << run.err;

    // The two that fit hold what the source holds, value by value as the terminals stored them.
    const std::vector<std::string> keys = {
        "psA1", "psA2", "psB1", "psB2", "que1", "que2", "rslt", "fchg", "tlog", "pow",  "rtcc",
        "pnt",  "pntT", "isc",  "sov1", "snv1", "spv1", "sob1", "snb1", "spb1", "sov2", "snv2",
        "spv2", "sob2", "snb2", "spb2", "lov1", "lnv1", "liv1", "lpv1", "lob1", "lnb1", "lib1",
        "lpb1", "lov2", "lnv2", "liv2", "lpv2", "lob2", "lnb2", "lib2", "lpb2"};
    // A lamp code is hexadecimal: the tool writes it in small letters whatever the source held.
    auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    for (const std::string& key : keys) {
        const std::string written = sims_[0]->StateValue(key);
        EXPECT_EQ(sims_[1]->StateValue(key), written) << key;
        EXPECT_EQ(key[0] == 'l' ? lower(source.StateValue(key)) : source.StateValue(key), written)
            << key;
    }
    EXPECT_TRUE(sims_[0]->WaitForLogLine("reboot"));
    EXPECT_TRUE(sims_[1]->WaitForLogLine("reboot"));
    EXPECT_EQ(source.StateValue("pow"), "3");
    // The others were left as they were; the faulty one ended its write with "reboot s".
    EXPECT_FALSE(Sent(*sims_[2], "pset")) << "MiniSx";
    EXPECT_FALSE(Sent(*sims_[3], "pset")) << "Slim";
    EXPECT_EQ(sims_[4]->StateValue("fchg"), "1");  // sent before que1 failed
    EXPECT_TRUE(sims_[4]->WaitForLogLine("reboot s"));
    EXPECT_FALSE(Sent(*sims_[4], "pset psA2"));

    // The report's rows are the terminals as they identified themselves.
    const auto rows = Csv(report);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"port", "cableSerial", "edition", "product", "version",
                                        "terminalId", "action", "outcome", "message", "seconds"}));
    const std::vector<std::vector<std::string>> expected = {
        {"1", "CAB0", "Mini", "ZRT450", "1.20", "M1", "write", "succeeded"},
        {"2", "CAB1", "MiniS", "ZRT450S", "3.10", "S2", "write", "succeeded"},
        {"3", "CAB2", "MiniSx", "ZRT450SX", "4.05", "X3", "write", "skipped"},
        {"4", "CAB3", "Slim", "ZRT410N", "2.10", "L4", "write", "skipped"},
        {"5", "CAB4", "Mini", "ZRT450", "1.20", "F5", "write", "failed"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(rows[i + 1].size(), 10u) << i;
        EXPECT_EQ(std::vector<std::string>(rows[i + 1].begin(), rows[i + 1].begin() + 8),
                  expected[i]);
        EXPECT_GT(std::stod(rows[i + 1][9]), 0.0);
    }

    // Once more on the failed ones only: the faulty terminal alone, and it fails again.
    run = Morvik({"--json", "fleet", "write", file, "--only-failed", report});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["command"], "fleet write");
    ASSERT_EQ(json["terminals"].size(), 1u) << run.out;
    EXPECT_EQ(json["terminals"][0]["port"], 5);
    EXPECT_EQ(json["terminals"][0]["terminalId"], "F5");
    EXPECT_EQ(json["terminals"][0]["outcome"], "failed");
}

TEST_F(Fleet, MaintenanceFilesAreNamedByTerminalAndPortsAreChosen) {
    Attach({{"slim", "A/1", {}}, {"slim", "B2", {}}, {"minisx", "C3", {}}});
    const std::string folder = files_.File("maint");
    std::filesystem::create_directory(folder);
    RunResult run = Morvik({"fleet", "maint", folder, "--ports", "1-2"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 2u);
    // The ID's slash cannot stand in a file name; the date follows the ID.
    EXPECT_TRUE(names[0].starts_with("A_1_20")) << names[0];
    EXPECT_TRUE(names[0].ends_with(".mnt"));
    EXPECT_TRUE(names[1].starts_with("B2_20")) << names[1];
    EXPECT_FALSE(Sent(*sims_[2], "ver")) << "COM3 was not chosen";

    // info names the terminal from its own session: edition, ID and the panel's other fields.
    run = Morvik({"--json", "fleet", "info", "--ports", "3"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json info = nlohmann::json::parse(run.out)["terminals"][0];
    EXPECT_EQ(info["edition"], "MiniSx");
    EXPECT_EQ(info["terminalId"], "C3");
    EXPECT_NE(info["message"].get<std::string>().find("起動カウンタ:"), std::string::npos);

    // Faults of the line are found before any terminal is reached.
    EXPECT_EQ(Morvik({"fleet", "info", "--ports", "3-1"}).exitCode, 2);
    EXPECT_EQ(Morvik({"fleet", "maint", files_.File("none"), "--ports", "1"}).exitCode, 1);
    EXPECT_EQ(Morvik({"fleet", "info", "--ports", "1", "--only-failed", "r.csv"}).exitCode, 2);
}

TEST_F(Fleet, FirmwareAndDetectionLogsOnMixedTerminals) {
    const auto records = test::MakeRecords(9, true);
    Attach({{"mini", "M1", {"--version", "1.20"}},
            {"minis", "S2", {"--dlog-file", test::WriteRecordFile(files_, records)}},
            {"slim", "L3", {}}});
    auto rows = [](const RunResult& run) { return nlohmann::json::parse(run.out)["terminals"]; };

    // A Mini image: both Mini-family terminals updated, the Slim refuses it and is left alone.
    const std::string image = test::WriteFirmwareImage(files_, "fw.x", "ZRT450", 0x2000, "1.44");
    RunResult run = Morvik({"--json", "fleet", "firmware", "--wait", "20", image});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    nlohmann::json done = rows(run);
    ASSERT_EQ(done.size(), 3u) << run.out;
    EXPECT_EQ(done[0]["outcome"], "succeeded") << done[0];
    EXPECT_EQ(done[1]["outcome"], "succeeded") << done[1];
    EXPECT_EQ(done[2]["outcome"], "failed");
    EXPECT_NE(done[2]["message"].get<std::string>().find("不正なファームウェアファイルです。"),
              std::string::npos)
        << done[2];
    EXPECT_FALSE(Sent(*sims_[2], "[")) << "no transfer to the Slim";

    // Each log into a file named by its terminal; the empty log and the Slim make none.
    const std::string folder = files_.File("logs");
    std::filesystem::create_directory(folder);
    run = Morvik({"--json", "fleet", "dlog", "get", folder});
    done = rows(run);
    ASSERT_EQ(done.size(), 3u) << run.out;
    EXPECT_EQ(done[0]["outcome"], "succeeded") << done[0];
    EXPECT_EQ(done[1]["outcome"], "succeeded") << done[1];
    EXPECT_EQ(done[2]["outcome"], "skipped") << done[2];
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path());
    }
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files[0].filename().string().starts_with("S2_20")) << files[0];
    EXPECT_EQ(test::ReadWholeFile(files[0].string()), test::ExpectedCsv(records));
}

TEST_F(Fleet, CtrlCCancelsEveryTerminalAsOneCommandIsCancelled) {
    Attach({{"mini", "M1", {}}, {"minis", "S2", {}}});
    // Started apart, so that the test can interrupt it under way.
    std::vector<std::string> argv = {test::RequiredEnv("MORVIK_CLI"), "fleet", "easy", "--url",
                                     "https://example.jp/"};
    std::vector<std::string> env;
    for (const auto& [name, value] : Env()) {
        env.push_back(name + "=" + value);
    }
    const pid_t pid = test::Spawn(argv, env, files_.File("out"), files_.File("err"));
    ASSERT_GT(pid, 0);
    // Both writes are under way.
    for (const auto& sim : sims_) {
        for (int i = 0; i < 100 && !Sent(*sim, "pset psA1"); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        EXPECT_TRUE(Sent(*sim, "pset psA1"));
    }
    ::kill(pid, SIGINT);
    EXPECT_EQ(test::WaitExit(pid), 130);
    const std::string err = test::ReadWholeFile(files_.File("err"));
    EXPECT_NE(err.find("  COM1 中断: 中断の指示を受けたため、処理を中止しました。"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("  COM2 中断: "), std::string::npos) << err;
    // Each was left as a cancelled write leaves it: "reboot s", never the write's "reboot".
    for (const auto& sim : sims_) {
        EXPECT_TRUE(sim->WaitForLogLine("reboot s", std::chrono::seconds(10)));
        EXPECT_FALSE(Sent(*sim, "pset lpb2"));
        const std::vector<std::string> log = sim->LogLines();
        EXPECT_EQ(std::count(log.begin(), log.end(), "reboot"), 0);
    }
}

}  // namespace
}  // namespace morvik
