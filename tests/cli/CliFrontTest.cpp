// The command line as a script writer meets it, end to end against the simulator: options and
// their values read as declared, the port a search remembers, why a port cannot be opened,
// results alone on standard output, and one JSON object per command.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "support/CliFixture.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using Json = nlohmann::json;
using test::RunResult;

class CliFront : public test::CliFixture {
  protected:
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    // The one JSON object a --json run prints; its exit code agrees with the process's.
    static Json Object(const RunResult& run) {
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        Json object = Json::parse(run.out);
        EXPECT_EQ(object.at("exitCode").get<int>(), run.exitCode);
        EXPECT_EQ(object.at("ok").get<bool>(), run.exitCode == 0);
        return object;
    }
};

TEST_F(CliFront, OptionsAndValuesAreReadAsDeclared) {
    test::SimProcess sim = Sim("mini", {"--com", "4"});
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string url = "https://example.jp/";
    const Case cases[] = {
        // A missing value never takes the next option as the value.
        {{"easy", "--url", url, "--message", "--no-clock"}, "--message には値が必要です。"},
        {{"easy", "--url", url, "--message", "--quiet"}, "--message には値が必要です。"},
        {{"easy", "--url", url, "--message"}, "--message には値が必要です。"},
        {{"easy", "--url", url, "--url", url}, "--url は1回だけ指定できます。"},
        {{"easy", "--url", url, "--sound", "loud"}, "--sound の値が不正です: loud"},
        {{"write", "--bogus", "a.dat"}, "不明なオプションです: --bogus"},
        {{"write"}, "ファイルを指定してください。"},
        {{"write", "a.dat", "b.dat"}, "余分な引数があります: b.dat"},
        {{"check", "a.dat", "--", "--port"}, "余分な引数があります: --port"},
        {{"dlog", "frob"}, "不明なコマンドです: dlog frob"},
    };
    for (const Case& c : cases) {
        const RunResult run = Morvik(sim, c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(Has(run.err, c.message)) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(sim.LogLines().empty()) << "a bad command line reached the terminal";

    // "--" ends the options: the word after it is a file, not an option.
    RunResult run = Morvik({"check", "--", "-x.dat"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.err, "ファイルのオープンに失敗しました。\n");
    // --opt=value, and the tool's options after the command words.
    run = Morvik({"info", "--port=4", "--quiet"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
}

TEST_F(CliFront, TheSearchRemembersThePortItFound) {
    test::SimProcess sim = Sim("mini", {"--com", "4", "--tid", "FOUND"});
    RunResult run = Morvik({"ports", "--search", "--dry-run"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Morvik({"info"}).exitCode, 1) << "--dry-run stored the port";

    run = Morvik({"ports", "--search"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.err, "COM4 を設定ファイル")) << run.err;
    std::ifstream ini(config_.File("MorvikTool.ini"));
    const std::string stored((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_TRUE(Has(stored, "SerialPortNum=4")) << stored;
    run = Morvik({"info"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "端末ID:FOUND")) << run.out;
}

TEST_F(CliFront, AnOpenFailureNamesThePortItsDeviceAndTheCause) {
    const std::string first = "エラー: COMポートのオープンに失敗しました。\n";
    auto cause = [&](std::vector<std::string> args) {
        const RunResult run = Morvik(std::move(args));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.starts_with(first)) << run.err;
        return run.err;
    };
    const std::string missing = files_.File("ttyUSB9");
    EXPECT_TRUE(Has(cause({"--device", missing, "info"}),
                    "ポート: " + missing + "\n原因: 装置がありません。"));
    EXPECT_TRUE(Has(cause({"--port", "3", "info"}), "原因: COM3 に対応する装置がありません"));
    std::filesystem::create_directories(config_.File("ports"));
    std::filesystem::create_symlink(missing, config_.File("ports/COM5"));
    EXPECT_TRUE(Has(cause({"--port", "5", "info"}), "ポート: COM5 (" + config_.File("ports/COM5") +
                                                        " → " + missing +
                                                        ")\n原因: 装置がありません。"));
    std::ofstream(files_.File("plain")) << "x";
    EXPECT_TRUE(Has(cause({"--device", files_.File("plain"), "info"}),
                    "原因: シリアルポートではありません。"));

    test::SimProcess sim = Sim("mini");
    const int held = ::open(sim.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(Has(cause({"--device", sim.DevicePath(), "info"}),
                    "原因: 別のプログラムがポートを使用中です。"));
    ::close(held);
}

TEST_F(CliFront, ResultsAloneOnStandardOutput) {
    test::SimProcess sim = Sim("mini");
    const std::string file = files_.File("a.dat");
    // Into a pipe the progress is a line per tenth on standard error, as for every long command.
    RunResult run = Morvik(sim, {"read", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, file + " に保存しました。\n");
    EXPECT_TRUE(Has(run.err, "] 100%\n")) << run.err;
    run = Morvik(sim, {"write", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "書き込みが完了し、再起動しました。\n");
    EXPECT_TRUE(Has(run.err, "] 100%\n")) << run.err;
    run = Morvik(sim, {"--quiet", "read", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("# Morvik Mini [ZRT450] Configuration File\r\n")) << run.out;

    // Every question of the identification must be answered.
    for (const char* fault : {"silent-key=tcnt", "error-key=rtc get"}) {
        test::SimProcess faulty = Sim("mini", {"--fault", fault});
        run = Morvik(faulty, {"info"});
        EXPECT_EQ(run.exitCode, 1) << fault;
        EXPECT_EQ(run.out, "") << fault;
        EXPECT_NE(run.err, "") << fault;
    }
}

TEST_F(CliFront, OneJsonObjectForEveryCommandAndEdition) {
    for (const std::string edition : {"minis", "slim", "minisx"}) {
        SCOPED_TRACE(edition);
        test::SimProcess sim = Sim(edition, {"--tid", "J1", "--dlog-records", "3"});
        const std::string name = edition == "minis" ? "mini" : edition;
        Json info = Object(Morvik(sim, {"--json", "info"}));
        EXPECT_EQ(info["command"], "info");
        EXPECT_EQ(info["terminal"]["terminalId"], "J1");
        EXPECT_EQ(info["terminal"]["edition"], name);
        EXPECT_FALSE(info["terminal"]["productName"].get<std::string>().empty());

        // "-": the settings only in the object; otherwise beside the file.
        const std::string file = files_.File(edition + ".dat");
        Json read = Object(Morvik(sim, {"--json", "read", edition == "slim" ? "-" : file}));
        EXPECT_EQ(read["terminal"]["edition"], name);
        ASSERT_TRUE(read["settings"].is_object());
        EXPECT_GT(read["settings"].size(), 3u);
        if (edition == "slim") {
            EXPECT_TRUE(read["file"].is_null());
            EXPECT_FALSE(std::filesystem::exists(file));
            ASSERT_EQ(Morvik(sim, {"read", file}).exitCode, 0);
        } else {
            EXPECT_EQ(read["file"], file);
        }
        Json check = Object(Morvik({"--json", "check", file}));
        EXPECT_EQ(check["edition"], name);
        EXPECT_EQ(check["writable"], true);
        Json write = Object(Morvik(sim, {"--json", "write", file}));
        EXPECT_EQ(write["outcome"], "written");
        EXPECT_EQ(write["written"]["edition"], name);
        EXPECT_EQ(write["terminal"]["terminalId"], "J1");
    }
    test::SimProcess mini = Sim("mini", {"--dlog-records", "3"});
    Json easy = Object(Morvik(mini, {"--json", "easy", "--url", "https://example.jp/", "--lamp",
                                     "blue", "--message", "日本語"}));
    EXPECT_EQ(easy["outcome"], "written");
    EXPECT_EQ(easy["written"]["message"], "日本語");
    EXPECT_EQ(easy["written"]["lamp"], "blue");
    Json log = Object(Morvik(mini, {"--json", "dlog", "get", files_.File("log.csv")}));
    EXPECT_EQ(log["records"], 3);
    EXPECT_EQ(log["saved"], true);
    Json ports = Object(Morvik({"--json", "ports"}));
    EXPECT_TRUE(ports["ports"].is_array());
    EXPECT_TRUE(ports["adapter"].is_null());

    // Failures are JSON too, with the same exit codes.
    Json usage = Object(Morvik({"--json", "info", "--bogus"}));
    EXPECT_EQ(usage["exitCode"], 2);
    EXPECT_EQ(usage["messages"], Json::array({"不明なオプションです: --bogus"}));
    Json refused = Object(Morvik(mini, {"--json", "write", files_.File("none.dat")}));
    EXPECT_EQ(refused["outcome"], "refused");
    EXPECT_EQ(refused["messages"], Json::array({"ファイルのオープンに失敗しました。"}));
}

}  // namespace
}  // namespace morvik
