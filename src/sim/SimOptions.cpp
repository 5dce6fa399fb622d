#include "sim/SimOptions.h"

#include <charconv>
#include <string_view>

namespace morvik::sim {
namespace {

template <typename T>
bool Number(std::string_view text, T& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string UsageText() {
    return R"(使い方: morvik-sim [オプション]
擬似端末の上でモルヴィク端末を模擬します。最初の行に装置のパスを出力し、
SIGTERM または SIGINT を受けるまで動作します。

  --edition slim|mini|minis|minisx  エディション (既定: mini)
  --tid TEXT                 端末ID
  --version TEXT             ファームウェアバージョン (例: 1.20)
                             (morvik-sim --version だけならこのプログラムのバージョンを表示)
  --boot N, --wdog N         起動カウンタ、ウォッチドッグ再起動回数
  --touches N                累積タッチカウンタ
  --link PATH                装置をPATHにシンボリックリンクする
  --com N                    装置をポートフォルダの COMN としてリンクする
                             ($MORVIK_CONFIG_DIR/ports、$XDG_CONFIG_HOME/MorvikTool/ports、
                              ~/.config/MorvikTool/ports の順)
  --state FILE               状態ファイル (起動時に読み込み、変更のたびに保存)
  --log FILE                 受信した行と転送を1行ずつ記録する
  --param KEY=VALUE          パラメータの値 (送られたとおりのエスケープ形式)
  --ndef TEXT                NDEFテキスト (MiniSx)
  --dlog-records N           検出ログをN件の生成レコードで満たす
  --dlog-file FILE           検出ログを FILE の32バイトレコードで満たす
  --fault FAULT              障害を起こす (繰り返し可):
      no-reply               一切応答しない
      silent-key=KEY         KEY (キーまたはコマンド) に応答しない
      silent-from=KEY        KEY 以降すべてに応答しない
      error-key=KEY          KEY に error と応答する
      bad-token=KEY          KEY の pset (ndef は ndef s) に誤ったトークンを返す
      no-nak                 アップロード・ファームウェア更新で NAK を送らない
      bad-block=N            検出ログ送信で第Nブロックを一度だけ壊して送る
      endless-log            検出ログ送信で最後のブロックの後も EOT を送らず、ブロックを送り続ける
      drop-ack=N             受信時に第Nブロックの ACK を一度だけ送らない
      vanish=KEY             KEY を受けたら装置を閉じて終了する
  --pieces                   出力を小さな断片に分け、間を置いて送る
  --baud N                   1バイトごとの回線時間を送受信の両方向で模擬する (例: 115200)
  --unpaced-input            --baud でも受信は遅らせない (送信だけに回線時間をかける)
  --trace                    送受信を標準エラーに表示する
  --help                     この説明を表示する
)";
}

bool ParseOptions(int argc, char** argv, SimOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view value;
        bool inlineValue = false;
        if (arg.substr(0, 2) == "--") {
            if (size_t eq = arg.find('='); eq != std::string_view::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                inlineValue = true;
            }
        }
        auto take = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= argc) {
                error = "オプション " + std::string(arg) + " に値がありません";
                return false;
            }
            value = argv[++i];
            return true;
        };
        auto bad = [&]() {
            error = "オプション " + std::string(arg) + " の値が不正です: " + std::string(value);
            return false;
        };
        if (arg.substr(0, 2) != "--" && arg != "-h") {
            error = "不明な引数です: " + std::string(arg);
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--trace") {
            o.trace = true;
        } else if (arg == "--pieces") {
            o.pacing.pieces = true;
        } else if (arg == "--unpaced-input") {
            o.pacing.unpacedInput = true;
        } else if (!take()) {
            return false;
        } else if (arg == "--edition") {
            auto id = EditionByName(value);
            if (!id)
                return bad();
            o.edition = *id;
        } else if (arg == "--tid") {
            o.tid = std::string(value);
        } else if (arg == "--version") {
            o.version = std::string(value);
        } else if (arg == "--boot") {
            if (!Number(value, o.boot.emplace()))
                return bad();
        } else if (arg == "--wdog") {
            if (!Number(value, o.wdog.emplace()))
                return bad();
        } else if (arg == "--touches") {
            if (!Number(value, o.touches.emplace()))
                return bad();
        } else if (arg == "--link") {
            o.link = std::string(value);
        } else if (arg == "--com") {
            if (!Number(value, o.com) || o.com < 1 || o.com > 256)
                return bad();
        } else if (arg == "--state") {
            o.statePath = std::string(value);
        } else if (arg == "--log") {
            o.logPath = std::string(value);
        } else if (arg == "--param") {
            size_t eq = value.find('=');
            if (eq == std::string_view::npos || eq == 0)
                return bad();
            o.params.emplace_back(std::string(value.substr(0, eq)),
                                  std::string(value.substr(eq + 1)));
        } else if (arg == "--ndef") {
            o.ndef = std::string(value);
        } else if (arg == "--dlog-records") {
            if (!Number(value, o.dlogRecords.emplace()))
                return bad();
        } else if (arg == "--dlog-file") {
            o.dlogFile = std::string(value);
        } else if (arg == "--fault") {
            if (!o.faults.Add(value, error))
                return false;
        } else if (arg == "--baud") {
            if (!Number(value, o.pacing.baud) || o.pacing.baud < 300)
                return bad();
        } else {
            error = "不明なオプションです: " + std::string(arg);
            return false;
        }
    }
    if (!o.link.empty() && o.com != 0) {
        error = "--link と --com は同時に指定できません";
        return false;
    }
    return true;
}

}  // namespace morvik::sim
