#include "model/command_tables.h"

#include "core/numbers.h"
#include "model/types.h"

namespace vk2 {
namespace {

// Conditions with a real factor compare in double, evaluated in the order they are written.
using In = const AcquisitionInputs&;

// Command, cost code, condition.
constexpr CommandRow kEveryElementCommands[] = {
    {"二連撃", 12, [](In x) { return x.d(3, 1) == 2 * x.d(5, 1); }},
    {"三連撃", 18, [](In x) { return x.d(15, 1) == 4 * x.d(5, 1); }},
    {"ヒーリングオーラ", 17, [](In x) { return x.d(10, 2) < 9; }},
    {"気合ため", kNoCost, [](In x) { return x.d(15, 1) == 9; }},
    {"精神統一", kNoCost, [](In x) { return x.d(11, 1) == 9; }},
    {"エナジーボール", 9, [](In x) { return x.d(10, 2) > 87; }},
    {"パワードライブ", 27, [](In x) { return x.d(10, 2) > 88 && x.E == kNone; }},
    {"突撃", kNoCost, [](In x) { return x.d(14, 1) == 2; }},
    {"ぬすむ", kNoCost, [](In x) { return Mod(x.d(8, 2), 17) == 7; }},
    {"下剋上", kNoCost, [](In x) { return x.d(7, 1) > x.L + 7; }},
    {"召喚", kNoCost, [](In x) { return x.d(5, 2) == 1; }},
    {"修羅　相斬", kNoCost, [](In x) { return Mod(x.d(8, 2), 24) == 10; }},
    {"こもりうた", 9, [](In x) { return x.d(3, 2) < 13; }},
    {"ブレインスクラッチ", 12, [](In x) { return x.d(8, 2) == 32; }},
    {"白無常", 11, [](In x) { return x.d(5, 2) == x.d(9, 2); }},
    {"黒無常", 1, [](In x) { return x.d(5, 2) == x.d(4, 2); }},
    {"トラウマ", 16, [](In x) { return x.d(8, 2) == 39; }},
    {"かばう", kNoCost, [](In x) { return x.d(10, 2) < 5; }},
    {"インフェクション", 14, [](In x) { return x.d(7, 2) == 10; }},
    {"ノーガード戦法", kNoCost, [](In x) { return x.d(1, 1) == x.d(3, 1) + 3; }},
    {"瞑想", kNoCost, [](In x) { return x.M != 0 && x.E == x.d(16, 1); }},
    {"レモンバリアー", 27, [](In x) { return Mod(x.G, 39) == 7; }},
    {"オレンジバリアー", 28, [](In x) { return Mod(x.R, 39) == 8; }},
    {"ライムバリアー", 29, [](In x) { return Mod(x.B, 39) == 9; }},
    {"カボスバリアー", 35, [](In x) { return Mod(x.B, 17) + Mod(x.G, 17) == 31; }},
    {"無の構え", kNoCost, [](In x) { return x.E != kNone && Mod(x.d(4, 2), 8) == 2; }},
    {"アドレナリン", 8, [](In x) { return Mod(x.R, 24) == 14; }},
    {"ダッシュ", kNoCost, [](In x) { return Mod(x.B, 57) == 3; }},
    {"ヴェノム・ゲノム", 22, [](In x) { return (x.E == kNone || x.E == kDark) && x.d(3, 2) < 4; }},
    {"一期一会", kNoCost, [](In x) { return x.d(12, 1) + x.d(2, 1) == 18; }},
    {"スネークアイズ", 23, [](In x) { return Mod(x.G, 29) == 3; }},
    {"灰色三日月", 23, [](In x) { return x.d(14, 1) == 5 * x.d(9, 1); }},
};

// Command, cost code, condition.
constexpr CommandRow kNoneCommands[] = {
    {"おどる", kNoCost, [](In x) { return Mod(x.d(3, 2), 30) == 7; }},
    {"こわす", kNoCost, [](In x) { return x.d(14, 1) == x.d(15, 1) + 6; }},
    {"そぎ落とす", 14, [](In x) { return x.d(4, 1) == x.d(6, 1) + 4; }},
    {"おしびたる", kNoCost, [](In x) { return x.M == 0; }},
    {"風林火山", 15, [](In x) { return x.L > 14 - x.R / 440.0; }},
    {"カロリーブレイク", 16, [](In x) { return x.d(8, 2) > x.d(4, 2) + 55; }},
    {"スキルブレイク", 8, [](In x) { return x.d(8, 2) > x.d(4, 2) + 65; }},
    {"メモリーブレイク", 20, [](In x) { return x.d(8, 2) > x.d(4, 2) + 75; }},
    {"プライドブレイク", 27, [](In x) { return x.d(8, 2) > x.d(4, 2) + 85; }},
    {"時間どろぼう", 11, [](In x) { return Mod(x.R, 7) + x.L + Mod(x.B, 7) > 15; }},
    {"すりかえ", kNoCost, [](In x) { return x.d(1, 2) == 0; }},
    {"ニューディール", 1, [](In x) { return x.d(10, 2) == 27; }},
    {"ぼったくり", kNoCost, [](In x) { return Mod(x.R, 84) == 40; }},
    {"月下慟哭", 4, [](In x) { return Mod(x.R, 9) + Mod(x.G, 6) == 13; }},
    {"ものまね", kNoCost, [](In x) { return x.M == 0 && x.d(1, 2) < 46; }},
};

// Command, cost code, condition.
constexpr CommandRow kFireCommands[] = {
    {"ファイヤーボール", 8, [](In) { return true; }},
    {"かげろう", 6, [](In x) { return Mod(x.d(9, 1), 6) == 0; }},
    {"ハートに火をつけろ", 4, [](In x) { return x.L > x.d(9, 1) + 1; }},
    {"フレイムカーテン", 25, [](In x) { return x.L > x.d(10, 1); }},
    {"聖火", 11, [](In x) { return x.L > 2 && x.d(10, 1) > 7; }},
    {"鬼火", 14, [](In x) { return x.L > 2 && x.d(10, 1) < 3; }},
    {"クリムゾンフレア", 20, [](In x) { return x.L > 0.5 * x.d(9, 1) + 2; }},
    {"バーミリオンレイ", 27, [](In x) { return x.L > 0.7 * x.d(10, 1) + 2; }},
    {"レッドスピリット", 24, [](In x) { return Mod(x.d(9, 2), 24) == 4; }},
    {"真紅の空", 8, [](In x) { return Mod(x.d(11, 2), 28) == 26; }},
    {"ゾロアスター", kNoCost, [](In x) { return x.d(9, 2) == 95; }},
    {"メギド", kNoCost, [](In x) { return x.d(11, 2) == 88 && x.L > 3; }},
    {"フェニックス", 45, [](In x) { return x.L == 7 && Mod(x.d(10, 1), 4) == 1; }},
    {"火の大絡", 40, [](In x) { return x.L > 0.1 * x.d(11, 1) + 5.4; }},
};

// Command, cost code, condition.
constexpr CommandRow kColdCommands[] = {
    {"つらら落とし", 9, [](In x) { return x.d(14, 2) < 55; }},
    {"コールドスリープ", 9, [](In x) { return x.L > 1.5 * x.d(13, 1); }},
    {"静寂の雪", 3, [](In x) { return x.d(3, 2) == 23; }},
    {"ダイヤモンドダスト", 13, [](In x) { return x.L > 0.3 * x.d(9, 1); }},
    {"樹氷", 11, [](In x) { return x.d(14, 1) == 3; }},
    {"アイスウォール", 25, [](In x) { return x.L > Mod(x.d(10, 2), 16); }},
    {"オーロラ", 7, [](In x) { return Mod(x.d(8, 2), 19) == 15; }},
    {"ブリザード", 23, [](In x) { return x.L > 0.7 * x.d(6, 1); }},
    {"液体窒素", 22, [](In x) { return x.L > x.d(14, 1); }},
    {"大氷河", 30, [](In x) { return x.L > 0.7 * x.d(7, 1) + 3.5; }},
    {"氷の大絡", 36, [](In x) { return x.L > 0.1 * x.d(9, 1) + 5.5; }},
};

// Command, cost code, condition.
constexpr CommandRow kThunderCommands[] = {
    {"レーザー", 9, [](In x) { return x.d(11, 2) < 60; }},
    {"プラズマ", 11, [](In x) { return x.d(11, 2) > 65; }},
    {"フラッシュ", 15, [](In x) { return x.L > 0.7 * x.d(10, 1); }},
    {"磁気異常", 6, [](In x) { return Mod(x.d(10, 2), 35) == 30; }},
    {"スパークシュート", 14, [](In x) { return x.L > x.d(9, 1) + 3; }},
    {"帯電", 17, [](In x) { return Mod(x.d(7, 2), 11) == 7; }},
    {"マグネティックシールド", 25, [](In x) { return x.L > 0.8 * x.d(12, 1); }},
    {"怪電波", 12, [](In x) { return x.d(9, 1) + x.L > 12; }},
    {"サンダーボルト", 23, [](In x) { return x.d(14, 1) < 2; }},
    {"召雷", 27, [](In x) { return x.L > 0.2 * x.d(14, 1) + 3; }},
    {"通電心肺蘇生", 19, [](In x) { return x.L > 0.7 * x.d(15, 1) + 4; }},
    {"輝の大絡", 38, [](In x) { return x.L > 0.1 * x.d(9, 1) + 5.5; }},
};

// Command, cost code, condition.
constexpr CommandRow kWindCommands[] = {
    {"かまいたち", 9, [](In) { return true; }},
    {"暴風雨", 15, [](In x) { return x.d(11, 2) > 80; }},
    {"癒しの風", 17, [](In x) { return x.L > 0.7 * x.d(10, 1); }},
    {"砂嵐", 20, [](In x) { return x.L > 0.6 * x.d(14, 1); }},
    {"ソニックブーム", 23, [](In x) { return x.d(7, 1) == 1; }},
    {"ウインドガード", 25, [](In x) { return x.L > 1.3 * x.d(10, 1); }},
    {"追い風", 19, [](In x) { return x.L > 1.5 * x.d(9, 1); }},
    {"エアロプレッシャー", 21, [](In x) { return x.d(11, 1) + x.L > 12; }},
    {"疾風迅雷", 24, [](In x) { return x.d(1, 1) == x.d(3, 1); }},
    {"マハンウイング", 22, [](In x) { return x.L > x.d(12, 2) / 12.0; }},
    {"気の大絡", 37, [](In x) { return x.L > 0.1 * x.d(9, 1) + 5.5; }},
};

// Command, cost code, condition.
constexpr CommandRow kEarthCommands[] = {
    {"土砂崩れ", 14, [](In x) { return x.d(11, 2) > 80; }},
    {"バクテリア分解", 2, [](In x) { return x.d(12, 1) < 3; }},
    {"地下水", 9, [](In x) { return x.d(11, 1) < 15; }}, // a single digit: always
    {"鉱毒", 11, [](In x) { return x.L > 1.9 * x.d(6, 1); }},
    {"大地の恵み", 20, [](In x) { return x.d(8, 1) + x.L > 9; }},
    {"地盤隆起", 8, [](In x) { return x.d(12, 1) == 4; }},
    {"ぬかるみ", 8, [](In x) { return x.d(12, 1) == 2; }},
    {"フォッサマグナ", 28, [](In x) { return x.d(10, 1) + x.L > 10; }},
    {"永久凍土", 23, [](In x) { return x.L > x.d(3, 2) + 3; }},
    {"溶岩流", 24, [](In x) { return x.L > x.d(4, 2) + 3; }},
    {"アースプロテクト", 25, [](In x) { return x.L > 0.7 * x.d(14, 1); }},
    {"土葬", 30, [](In x) { return x.d(11, 2) == 44; }},
    {"大地震", 32, [](In x) { return x.L > x.d(12, 2) / 12.0; }},
    {"地の大絡", 40, [](In x) { return x.L > 0.1 * x.d(9, 1) + 5.5; }},
};

// Command, cost code, condition.
constexpr CommandRow kWaterCommands[] = {
    {"清流", 13, [](In x) { return x.L > 0.5 * x.d(6, 1); }},
    {"クラムボン", 17, [](In x) { return x.d(11, 2) > 96; }},
    {"霧がくれ", 10, [](In x) { return x.L > 1.5 * x.d(6, 1); }},
    {"うずしお", 11, [](In x) { return x.d(11, 1) < 16; }}, // a single digit: always
    {"禊ぎ祓い", 15, [](In x) { return Mod(x.R, 79) < x.L; }},
    {"水鏡", 21, [](In x) { return Mod(x.B, 101) < x.L; }},
    {"ポイズンミスト", 16, [](In x) { return x.L > 0.9 * x.d(3, 2); }},
    {"船幽霊", 19, [](In x) { return x.d(11, 1) == 0; }},
    {"アクアマリンパルサー", 26, [](In x) { return Mod(x.B, 13) < x.L; }},
    {"奇跡の泉", 25, [](In x) { return x.L > x.d(8, 1) + 2; }},
    {"大津波", 30, [](In x) { return x.L > 0.5 * x.d(3, 2) + 2.5; }},
    {"ドッドカーム", 33, [](In x) { return x.L > 5 && x.d(3, 2) < 5; }},
    {"水の大絡", 39, [](In x) { return x.L > 0.1 * x.d(9, 1) + 5.5; }},
};

// Command, cost code, condition.
constexpr CommandRow kWoodCommands[] = {
    {"リーフカッター", 11, [](In x) { return x.L > 0.6 * x.d(10, 1); }},
    {"栽培", 12, [](In x) { return Mod(x.d(11, 2), 24) > 21; }},
    {"いばら", 17, [](In x) { return Mod(x.G, 9) == 0 && x.L > 1; }},
    {"養分吸収", 19, [](In x) { return Mod(x.G, 10) < x.L; }},
    {"狂気の桜", 3, [](In x) { return x.d(11, 2) == 98; }},
    {"光合成", 25, [](In x) { return x.L > 0.3 * x.d(9, 1) + 1; }},
    {"催眠アロマ", 9, [](In x) { return x.L > x.d(12, 2) / 16.0; }},
    {"ジギタリス", 23, [](In x) { return Mod(x.d(6, 2), 11) == 5; }},
    {"しびれ花粉", 14, [](In x) { return x.d(9, 1) > 7; }},
    {"木の葉がくれ", 10, [](In x) { return Mod(x.d(9, 2), 15) == 0; }},
    {"バイオスティング", 21, [](In x) { return x.L > 1.7 * x.d(6, 1) + 1; }},
    {"森林浴", 17, [](In x) { return x.L > 2 && x.d(3, 1) == 1; }},
    {"夾竹桃", 26, [](In x) { return x.L > 3 && x.d(14, 2) < 4; }},
    {"ユグドラシル", 27, [](In x) { return Mod(x.d(3, 3), 177) == 77; }},
    {"樹の大絡", 37, [](In x) { return x.L > 0.1 * x.d(9, 1) + 5.7; }},
};

// Command, cost code, condition.
constexpr CommandRow kDarkCommands[] = {
    {"ポルターガイスト", 11, [](In x) { return Mod(x.d(11, 2), 13) < 6; }},
    {"丑の刻参り", 16, [](In x) { return x.d(9, 2) > 94; }},
    {"エミトウルギョン", kNoCost, [](In x) { return Mod(x.d(9, 3), 155) == 55; }},
    {"魔弾", 15, [](In x) { return x.L > x.d(4, 1); }},
    {"吸血", 19, [](In x) { return x.d(14, 1) < 3; }},
    {"シャドウステッチ", 4, [](In x) { return x.L > 1.9 * x.d(9, 1); }},
    {"ネクロマンシー", 6, [](In x) { return Mod(x.d(10, 2), 16) == 8; }},
    {"死神との契約", 13, [](In x) { return x.L > 3 && x.d(3, 1) < 2; }},
    {"ダークネスフォールズ", 31, [](In x) { return Mod(x.G, 5) < 2; }},
    {"アヌビスの瞳", 30, [](In x) { return x.L > 2.9 * x.d(11, 1); }},
    {"ワンダリングインサニティ", 1, [](In x) { return x.d(9, 2) > 96; }},
    {"ナイトメア", 33, [](In x) { return x.d(9, 2) < 13; }},
    {"魔界の嵐", 29, [](In x) { return Mod(x.G, 6) == 2; }},
    {"コキュートス", 31, [](In x) { return Mod(x.B, 9) == 5; }},
    {"黒ミサ", kNoCost, [](In x) { return x.d(3, 1) + x.L > 13; }},
    {"カリ・ユガ", 44, [](In x) { return Mod(x.G, 71) == 3; }},
    {"カオスマトリックス", 60, [](In x) { return x.d(3, 2) == 66; }},
    {"血の大絡", 49, [](In x) { return x.L > x.R / 369.0 + 1; }},
    {"死の大絡", 99, [](In x) { return x.L == 7 && Mod(x.d(3, 1), 2) == 1; }},
};

// Command, cost code, condition.
constexpr CommandRow kHolyCommands[] = {
    {"パニッシュメント", 11, [](In x) { return x.L > 1; }},
    {"救いの掌", 20, [](In x) { return x.L > 2; }},
    {"沙羅双樹", 14, [](In x) { return Mod(x.G, 6) == 0; }},
    {"光の渦", 15, [](In x) { return x.L > 0.7 * x.d(7, 1); }},
    {"神の見えざる手", 23, [](In x) { return x.L + x.d(16, 1) > 13; }},
    {"スティグマータ", 20, [](In x) { return Mod(x.R, 9) < x.L; }},
    {"因果応報", 48, [](In x) { return x.d(9, 2) < 5; }},
    {"一切皆苦", 81, [](In x) { return x.d(9, 2) < 4; }},
    {"求不得苦", 58, [](In x) { return x.d(9, 2) < 3; }},
    {"愛別離苦", 50, [](In x) { return x.d(9, 2) < 2; }},
    {"生老病死", 69, [](In x) { return x.d(9, 2) == 1; }},
    {"天使のわけまえ", 17, [](In x) { return x.d(9, 2) > 96; }},
    {"ドグマ", 33, [](In x) { return x.d(14, 2) == 77; }},
    {"世の死を見つめる天の童", 48, [](In x) { return Mod(x.d(12, 2), 48) == 40; }},
    {"アタラクシア", 59, [](In x) { return Mod(x.d(3, 2), 35) == 30; }},
    {"神隠し", 74, [](In x) { return x.d(11, 1) == 5; }},
    {"ラザロの遺言", 31, [](In x) { return Mod(x.R, 4) + 1 == Mod(x.B, 6); }},
    {"バプテスマ", 19, [](In x) { return Mod(x.B, 7) + 3 < x.L; }},
    {"ホーリーヴォイド", 39, [](In x) { return Mod(x.G, 6) + 4 < x.L; }},
    {"生命の息吹", 45, [](In x) { return x.L > 0.8 * x.d(10, 1) + 2.5; }},
};

// Element, rows.
constexpr CommandTable kAcquisitionTables[] = {
    {kAnyElement, kEveryElementCommands},
    {kNone, kNoneCommands},
    {kFire, kFireCommands},
    {kCold, kColdCommands},
    {kThunder, kThunderCommands},
    {kWind, kWindCommands},
    {kEarth, kEarthCommands},
    {kWater, kWaterCommands},
    {kWood, kWoodCommands},
    {kDark, kDarkCommands},
    {kHoly, kHolyCommands},
};

} // namespace

std::span<const CommandTable> AcquisitionTables() {
    return kAcquisitionTables;
}

} // namespace vk2
