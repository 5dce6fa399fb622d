// The desktop tool's own texts (labels and messages of its windows): numbers 4000-4999, named in
// src/app/AppStringIds.h; 4800-4899 are the detection log view's, which `morvik dlog summary`
// shows too, named in res/DetectionLogViewIds.h. The system's texts (res/StringIds.h) are
// shared, not repeated here.
// Keep the list sorted by number; the table merges it with the system's entries on first use.

#include <vector>

#include "res/Strings.h"

namespace morvik::res {

std::span<const StringEntry> AppEntries() {
    static const std::vector<StringEntry> kEntries = {
        {4000, "ファイル(&F)"},
        {4001, "機器(&D)"},
        {4002, "ヘルプ(&H)"},
        {4003, "「%s」の画面はまだ用意されていません。"},
        {4004,
         "使い方: morvik-tool [--device PATH]\n"
         "モルヴィク端末の設定ツールを開きます。\n\n"
         "  --device PATH  COMポートの代わりに装置 PATH を使う (例: morvik-sim の擬似端末)\n"
         "  --help         この説明を表示する\n"
         "  --version      バージョンを表示する\n\n"
         "環境変数 MORVIK_TRACE を設定すると、端末との送受信を標準エラーに表示します。"},
        {4005, "不明なオプションです: %s"},
        {4006,
         "画面(ディスプレイ)がありません。DISPLAY を設定するか、Xvfb の上で開いてください:\n"
         "  xvfb-run -a morvik-tool"},
        {4100, "時"},
        {4101, "分"},
        {4102, "モルヴィク・ミニ/ミニS　かんたん設定"},
        {4103, "モルヴィク・ミニ/ミニS　サービス設定"},
        {4400,
         "1文字目: 1 = ランプ1つのみ点灯、8 = すべてのランプを点灯\n"
         "2文字目以降: 1文字ごとに色 (100ミリ秒、待機は250ミリ秒)\n"
         "  0 消灯　1 赤　2 青　3 緑　4 紫　5 黄色　6 水色　7 白\n"
         "最大20ステップ(21文字)まで。空欄は点灯しません。"},
        {4401, "例: 811001100110011001100 (すべてのランプが赤で点滅)"},
        {4402, "再生"},
        {4403, "この音声をパソコンで再生します。"},
        {4404, "音声を再生する装置がありません。"},
        {4405, "端末での点灯の様子 (ランプ8個、左端が1つのみ点灯するランプ)"},
        // clang-format off
        // The detection log view (res/DetectionLogViewIds.h).
        {4800, "%lld行目が検出ログの見出し行ではありません。"
               "このツールで保存した検出ログ(CSV)を開いてください。"},
        {4801, "%lld行目の途中でファイルが終わっています。ファイルの終わりが欠けています。"},
        {4802, "%lld行目の行末が検出ログの形式(CR LF)と違います。"
               "ファイルが変更されているか、検出ログのファイルではありません。"},
        {4803, "%lld行目の項目の数が検出ログと違います。"
               "ファイルが変更されているか、検出ログのファイルではありません。"},
        {4804, "%lld行目の「%s」が検出ログの値ではありません。"
               "ファイルが変更されているか、検出ログのファイルではありません。"},
        {4805, "%lld行目が検出ログの形式と違います。"
               "ファイルが変更されているか、検出ログのファイルではありません。"},
        {4806, "ファイルが大きすぎるため、検出ログとして開けません(%dメガバイトまで)。"},
        {4810, "機能実行失敗"},
        {4811, "その他"},
        {4812, "記録 %s件"},
        {4813, "期間 %s ～ %s"},
        {4814, "成功率 %s%% (カード検出を除く)"},
        {4815, "成功率 -"},
        {4816, "不整合 %s件"},
        {4817, "日時不明 %s件"},
        {4818, "この期間の記録はありません。"},
        {4820, "日別のタッチ数"},
        {4821, "時間帯別のタッチ数"},
        {4822, "機能実行結果"},
        {4823, "FeliCa種別"},
        {4824, "設定区別"},
        {4825, "時"},
        {4826, "件"},
        {4830, "検出ログ - %s"},
        {4831, "期間:"},
        {4832, "～"},
        {4833, "全期間"},
        {4834, "画像を保存..."},
        {4835, "PNG画像 (*.png)|*.png||"},
        {4836, "画像の保存に失敗しました。"},
        {4837, "検出ログを開く..."},
        {4838, "表示"},
        // clang-format on
    };
    return kEntries;
}

}  // namespace morvik::res
