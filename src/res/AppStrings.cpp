// The desktop tool's own texts (labels and messages of its windows): numbers 4000-4999, named in
// src/app/AppStringIds.h. The system's texts (res/StringIds.h) are shared, not repeated here.
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
        {4500, "「%s」は機器で使えない文字のため、入力できません。"},
        {4501,
         "%sの変更は、機器への書き込みもファイルへの保存もされていません。\n"
         "変更を破棄して閉じますか?"},
        {4502,
         "次の設定画面の変更は、機器への書き込みもファイルへの保存もされていません。\n%s\n"
         "変更を破棄して終了しますか?"},
        {4503, "LastFolder"},
        {4504, "%s(%s %s)"},
        {4505, "半角数字4桁で入力してください。空欄のときは書き込みません。"},
        {4506, "%s / %s: %s"},
        {4507, "%s: %s"},
    };
    return kEntries;
}

}  // namespace morvik::res
