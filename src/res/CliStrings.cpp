// The command-line tool's own texts (usage, option help, its messages): numbers 3000-3999.
// The system's texts (res/StringIds.h) are shared, not repeated here. Keep the list sorted by
// number; the table merges it with the system's entries on first use. The names of these
// numbers are in cli/CliStringIds.h.

#include <vector>

#include "res/Strings.h"

namespace morvik::res {

std::span<const StringEntry> CliEntries() {
    // clang-format off
    static const std::vector<StringEntry> kEntries = {
        // The tool: usage, options, command-line errors
        {3000, "使い方: morvik [--port N | --device PATH] [--trace] COMMAND [引数...]"},
        {3001, "オプション:\n"
               "  --port N       COMポート番号 N (1-256) の機器と通信します\n"
               "  --device PATH  デバイス PATH (/dev/ttyUSB0 など) の機器と通信します\n"
               "  --trace        送受信した内容を、前回からの経過時間付きで標準エラーに出力します\n"
               "  --help         このヘルプを表示します\n"
               "\n"
               "ポートを指定しない場合は、設定ファイルのポート番号を使います。"
               "モルヴィクのケーブルが接続されていれば、そのポートを使います。"},
        {3002, "コマンド:"},
        {3003, "各コマンドの説明は morvik COMMAND --help で表示します。"},
        {3010, "不明なコマンドです: %s"},
        {3011, "不明なオプションです: %s"},
        {3012, "%s には値が必要です。"},
        {3013, "ポート番号が不正です: %s (1-256)"},
        {3014, "--port と --device は同時に指定できません。"},
        {3015, "コマンドを指定してください。"},
        {3016, "余分な引数があります: %s"},
        {3017, "%s の後にコマンドを指定してください:"},
        {3020, "%s: %s"},
        {3021, " [y/N] "},

        // info
        {3100, "機器情報を読み込み、6項目を表示します"},
        {3101, "使い方: morvik [オプション] info\n"
               "\n"
               "機器情報を読み込み、製品名、端末ID、ファームウェアバージョン、起動カウンタ、"
               "累積タッチカウンタ、時刻の6行を「項目名:値」の形式で標準出力に表示します。"},
        {3102, "機器情報の読み込みに失敗しました。"},

        // clock
        {3110, "機器の時刻をパソコンの時刻に合わせます(ミニ、ミニS、ミニSx)"},
        {3111, "使い方: morvik [オプション] clock\n"
               "\n"
               "コマンドを実行した時点のパソコンの時刻を機器に設定し、機器を再起動します。"},
        {3112, "時刻合わせに失敗しました。"},

        // dlog erase
        {3120, "検出ログを消去します(ミニ、ミニSのみ)"},
        {3121, "使い方: morvik [オプション] dlog erase [--yes]\n"
               "\n"
               "機器の検出ログを消去し、機器を再起動します。\n"
               "  --yes  確認せずに消去します"},
        {3122, "検出ログの消去を中止しました。"},
        {3123, "検出ログの消去に失敗しました。"},

        // ports
        {3130, "モルヴィクのケーブルのCOMポートを表示します"},
        {3131, "使い方: morvik [オプション] ports [--search]\n"
               "\n"
               "モルヴィクのケーブル(USBシリアル変換器)を探し、そのCOMポートを表示します。\n"
               "  --search  ケーブルが見つからない場合、シリアルポートを順に調べてモルヴィクを探します"},
        {3132, "モルヴィクのケーブル: COM%d (%s)"},
        {3133, "モルヴィクのケーブルは見つかりません。"},
        {3134, "COM%d  %s"},
        {3135, "シリアルポートはありません。"},
        {3136, "シリアルポートの一覧を読み込めません。"},
        {3137, "モルヴィク: COM%d (%s)"},
        {3138, "使用するポート: %s"},

        // firmware, maint, dlog get
        {3150, "ファームウェアを更新します"},
        {3151, "使い方: morvik [オプション] firmware [--wait 秒] IMAGE.x\n"
               "\n"
               "ファームウェアファイル IMAGE.x を確認し、機器の電源の再投入を待って"
               "ファームウェア更新モードになった機器に送信します。"
               "送信後、機器が IMAGE.x のバージョンを報告した場合だけ成功(終了コード 0)です。\n"
               "  --wait 秒  ファームウェア更新モードになるまで待つ時間 (既定: 60 秒)"},
        {3152, "ファイルを指定してください。"},
        {3153, "待ち時間が不正です: %s (1-3600 秒)"},
        {3154, "%d 秒待ちましたが、機器がファームウェア更新モードになりませんでした。"},
        {3155, "機器のファームウェアバージョン: %s"},
        {3156, "送信中"},
        {3160, "メインテナンス情報をファイルに保存します"},
        {3161, "使い方: morvik [オプション] maint FILE.mnt\n"
               "\n"
               "機器の識別情報、カウンタ、時刻、全パラメータと内部ログを圧縮して FILE.mnt に"
               "保存します。"},
        {3162, "取得中"},
        {3170, "検出ログをCSVファイルに保存します(ミニ、ミニSのみ)"},
        {3171, "使い方: morvik [オプション] dlog get FILE.csv\n"
               "\n"
               "機器の検出ログを受信し、FILE.csv に保存します。"
               "検出ログが1件もない場合、ファイルは作成しません。"},
        {3172, "受信中"},
    };
    // clang-format on
    return kEntries;
}

}  // namespace morvik::res
