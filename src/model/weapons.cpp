#include "model/weapons.h"

#include <algorithm>

#include "core/text.h"

namespace vk2 {
namespace {

// One row per weapon, grouped by kind.
// name, kind, attack, speed, long reach, element of the basic attack, description lines,
// {hp, mp, defense, spirit} bonus, wielder element and its attack
// clang-format off
constexpr std::array<WeaponCatalogueRow, 100> kWeapons{{
    {"銀のフォーク", kKnife, 15, 0, false, kNone, {"攻撃力は弱いが、ときどき", "魔属性の敵を即死させる。"}},
    {"アイスピック", kKnife, 53, 0, false, kNone, {"冷属性の敵に対して", "会心の一撃が出やすい。"}},
    {"円空のノミ", kKnife, 32, 0, false, kNone, {"仏師円空が使った彫刻刀。", "回復不能な傷を刻み込む。"}},
    {"細雪", kKnife, 141, 0, false, kCold, {"冷たい輝きを放つ", "最強の包丁。冷属性付加。"}},
    {"くない", kKnife, 64, 0, false, kNone, {"忍者が用いる両刃の短刀。"}},
    {"柳葉包丁", kKnife, 77, 0, false, kNone, {"先端の鋭く尖った", "細身の包丁。"}},
    {"サバイバルナイフ", kKnife, 80, 0, false, kNone, {"冒険者が愛用する", "用途の広いナイフ。"}},
    {"御用十手", kKnife, 48, 0, false, kNone, {"攻撃力は低いが、ときどき", "物理攻撃を受け止める｡"}},
    {"セイントダガー", kKnife, 93, 0, false, kHoly, {"エクソシストが用いる", "聖なる短剣｡"}},
    {"ブラッディシザー", kKnife, 69, 0, false, kDark, {"血に錆びてなお鋭利な", "魔属性のハサミ｡", "与えたダメージを一部吸収｡"}},
    {"双匕首", kKnife, 82, 0, false, kNone, {"中国武術に使われる", "二本対のあいくち｡"}},
    {"鉄扇", kKnife, 104, 0, false, kNone, {"鋭い切れ味を誇る", "鋼鉄の扇｡「おどる」で威力を増す。"}},
    {"クォーツスライサー", kKnife, 135, 0, false, kNone, {"硬度７の石英をもたやすく", "切断する刃｡"}},
    {"忘れられたメス", kKnife, 119, 0, false, kNone, {"患者の体内に置き去られた", "メス｡切りつけた相手から", "徐々に体力を奪う｡"}},
    {"オッカムの剃刀", kKnife, 111, 0, false, kNone, {"哲学用語｡", "相手を少しずつ簡略化する｡"}},
    {"パレットナイフ", kKnife, 45, 0, false, kNone, {"油絵用の画材｡相手を", "別の属性に塗り替える｡"}},
    {"果物ナイフ", kKnife, 57, 0, false, kNone, {"青果を切るための", "家庭用ナイフ｡"}},
    {"ボウガン", kBowGun, 82, -14, true, kNone, {"別名クロスボウ｡", "引鉄で矢を射ち出す｡"}},
    {"吹き矢", kBowGun, 60, 0, true, kNone, {"息で矢を飛ばす", "少し頼りない飛び道具｡"}},
    {"滋藤の弓", kBowGun, 106, -17, true, kNone, {"那須与一が用いた弓｡"}},
    {"千里の弓", kBowGun, 118, -16, true, kNone, {"とてつもない射程距離を", "誇るという､中国の弓｡"}},
    {"ガーンディーヴァ", kBowGun, 140, -14, true, kNone, {"英雄アルジュナがシヴァ神", "から授かった､最強の弓｡"}},
    {"ロングボウ", kBowGun, 75, -18, true, kNone, {"全長70インチを越える大弓｡"}},
    {"エアガン　", kBowGun, 37, 0, true, kNone, {"空気圧で弾丸を飛ばす銃｡"}},
    {"アサルトライフル", kBowGun, 139, -27, true, kNone, {"軍用の自動小銃｡"}},
    {"コルトガバメント", kBowGun, 124, 0, true, kNone, {"アメリカの大型自動拳銃｡"}},
    {"ゴッドファーザー", kBowGun, 158, 0, true, kNone, {"マフィアの首領が持つ銃｡"}},
    {"ベレッタM92", kBowGun, 107, 0, true, kNone, {"イタリアの中型自動拳銃｡"}},
    {"トカレフTT-33", kBowGun, 136, 0, true, kNone, {"旧ソビエトの中型拳銃｡"}},
    {"ノワールダーツ", kBowGun, 79, 0, true, kNone, {"ギャンブル性の高い武器｡", "守備力無視のダメージを", "与える｡"}},
    {"エシ・メサの杖", kStaff, 0, 0, false, kNone, {"いかにも怪しげな杖。", "装備すると…？"}},
    {"トゥインクルロッド", kStaff, 77, 0, false, kNone, {"守護星の力を授かるロッド｡", "攻撃魔法の威力を高める｡"}},
    {"プリンセスパラソル", kStaff, 19, -5, false, kNone, {"攻撃力は低いが､", "全ての属性ダメージを軽減｡"}},
    {"真理の錫杖", kStaff, 64, -3, false, kHoly, {"悟りを開いた修験者の錫杖。", "聖属性付加｡"}},
    {"巨鯉の脊椎", kStaff, 123, 0, true, kNone, {"天を泳ぐという鯉の脊椎骨", "を鞭にしたもの｡"}},
    {"カルストスタッフ", kStaff, 48, -7, false, kNone, {"石灰岩から作られた杖｡"}},
    {"フラボノビュート", kStaff, 107, 0, true, kNone, {"木属性の者が装備してこそ", "真価を発揮する鞭｡"}, {}, kWood, 177},
    {"グラスウィップ", kStaff, 81, 0, true, kNone, {"ガラス繊維で作られた鞭｡"}},
    {"フレイムワンド", kStaff, 86, -2, false, kFire, {"炎の精霊が作った杖｡", "炎属性付加｡"}},
    {"白鯨の髭", kStaff, 113, 0, true, kWater, {"強靭な鞭｡水属性付加｡"}},
    {"ウインドラッシュ", kStaff, 79, 0, true, kWind, {"風属性の鞭。", "会心の一撃が全体化する｡"}},
    {"髑髏の杖", kStaff, 96, -6, false, kDark, {"ドクロが飾られた", "禍々しい杖｡魔属性付加｡"}},
    {"スレイブメーカー", kStaff, 99, 0, true, kNone, {"ときどき相手を服従させる", "妖しい鞭｡"}},
    {"革の鞭", kStaff, 54, 0, true, kNone, {"皮製の鞭｡", "威力はあまりない｡"}},
    {"魔女のほうき", kStaff, 16, -3, false, kDark, {"攻撃力は低いが", "ＭＰ消費が1/10になる。"}},
    {"ヒイラギの杖", kStaff, 36, -3, false, kNone, {"魔法使いの杖｡", "精神力と最大MPが上昇｡"}, {0, 50, 0, 29}},
    {"ぴよぴよハンマー", kAxe, 23, -4, false, kNone, {"混乱付加。混乱した敵の", "「たたかう」にも混乱付加。"}},
    {"うさぎの杵", kAxe, 31, -23, false, kNone, {"月のうさぎが餅をつく杵｡"}},
    {"草刈り鎌", kAxe, 54, 0, false, kNone, {"木属性の敵に対して", "会心の一撃が出やすい｡"}},
    {"大木槌", kAxe, 86, -22, false, kNone, {"短い丸太にそのまま柄を", "付けたハンマー｡"}},
    {"つるはし", kAxe, 100, -24, false, kNone, {"掘削用｡土属性の敵に対し", "会心の一撃が出やすい｡"}},
    {"平八郎", kAxe, 110, -16, false, kNone, {"大塩の乱で農民が振りかざ", "した鍬｡アイテム所持数が", "多い敵に対して威力を増す｡"}},
    {"トマホーク", kAxe, 98, -14, false, kNone, {"ネイティブアメリカンが", "用いる手斧｡"}},
    {"チェーンソー", kAxe, 189, -30, false, kNone, {"取扱注意｡ときどき自分も", "ダメージを負う｡"}},
    {"バトルアクス", kAxe, 114, -21, false, kNone, {"戦闘用の斧｡"}},
    {"鏖殺大斧", kAxe, 404, -48, false, kNone, {"すべてを､まるごと､", "みなごろす｡"}},
    {"ラスコリニコフ", kAxe, 143, -15, false, kNone, {"威力の高い斧｡ただし", "罪悪感にさいなまれる｡"}},
    {"山姥の鉈", kAxe, 140, -10, false, kNone, {"人を喰う山姥が振るう大鉈｡"}},
    {"釘バット", kAxe, 123, -4, false, kNone, {"かなりバイオレンスな武器｡"}},
    {"デスサイズ", kAxe, 169, -19, false, kDark, {"魂を摘み取る死神の鎌｡", "ときどき相手を即死させる｡"}},
    {"木刀", kSword, 48, -4, false, kWood, {"木製の刀｡木属性付加｡"}},
    {"レギュラーソード", kSword, 70, -15, false, kNone, {"ごく普通のありふれた剣｡"}},
    {"シャムシール", kSword, 83, -11, false, kNone, {"ルビーで装飾された", "ペルシャの曲刀｡"}},
    {"クローバーレイピア", kSword, 77, -9, false, kNone, {"幸運を招くという", "英国の刺突剣｡"}},
    {"バスターソード", kSword, 100, -18, false, kNone, {"威力が少し高めの剣｡"}},
    {"キリングサーベル", kSword, 113, -13, false, kNone, {"敵にとどめを刺したとき、", "もう2～3回行動できる。"}},
    {"クトネシリカ", kSword, 139, -9, false, kNone, {"アイヌの霊刀｡冷ダメージを", "受けるごとに切れ味を増す｡"}},
    {"エクスカリバー", kSword, 148, -21, false, kHoly, {"アーサー王が岩から引き", "抜いたという､伝説の聖剣｡"}},
    {"眉間尺", kSword, 191, -5, false, kNone, {"ひたすらに首を求めて､", "使用者を狂わせる青剣｡"}},
    {"倶利伽羅不動", kSword, 182, -28, false, kHoly, {"邪気を打ち破る不動明王の", "大剣｡敵の守備力の半分を", "精神力に強制変換する。"}},
    {"斬鉄剣", kSword, 153, -17, false, kNone, {"コンニャク以外斬れぬ物は", "ない､石川五右衛門の愛刀｡", "守備力に影響されない。"}},
    {"セルゲンブレイド", kSword, 0, -8, false, kNone, {"敵の攻撃力がそのまま自分", "の攻撃力となる､謎の剣｡"}},
    {"白鷺", kSword, 93, 0, false, kNone, {"刃を薄く鍛え", "軽量化した日本刀｡"}},
    {"備前長船兼光", kSword, 125, -10, false, kNone, {"南北朝時代の名刀｡", "最上大業物｡"}},
    {"小太刀", kSword, 65, -5, false, kNone, {"短く扱いやすい太刀｡"}},
    {"スティールランス", kSpear, 90, -21, true, kNone, {"鋼鉄製の槍｡"}},
    {"マサイの槍", kSpear, 83, -2, true, kNone, {"マサイ族が", "狩猟に用いる槍｡"}},
    {"ショートスピアー", kSpear, 70, -15, true, kNone, {"短めの槍だが", "後列攻撃は可能｡"}},
    {"如意棒", kSpear, 108, -8, true, kNone, {"孫悟空が用いた", "自在に伸縮する棒｡"}},
    {"三途之舟漕", kSpear, 36, -25, true, kNone, {"彼岸への渡し舟を漕ぐ櫂。", "ときどき「黄泉送り」が発動。"}},
    {"蜻蛉切", kSpear, 115, -17, true, kNone, {"止まったトンボが切れたと", "いう、本多忠勝の名槍｡"}},
    {"さすまた", kSpear, 60, -10, true, kNone, {"江戸時代の捕物道具｡攻撃用", "ではないので威力は弱い｡"}},
    {"竹槍", kSpear, 55, -14, true, kNone, {"絶縁体なので、雷属性の", "敵に対して会心の一撃が", "出やすい｡"}},
    {"青龍偃月刀", kSpear, 143, -23, true, kNone, {"関羽が愛用したという", "伝説の大刀｡"}},
    {"海神の銛", kSpear, 117, -16, true, kWater, {"海神ポセイドンが持つ", "三叉の銛｡水属性付加｡"}},
    {"ブリューナク", kSpear, 161, 27, true, kHoly, {"ケルト神話で光の神が", "用いた槍｡聖属性付加｡"}},
    {"パラドクス", kSpear, 199, -15, true, kNone, {"「矛盾」の語源となった最強", "の矛。バリアすら打ち破る。"}},
    {"岩融", kSpear, 152, -30, true, kNone, {"弁慶が用いた巨大な薙刀｡", "ときどき「刀狩り」が発動。"}},
    {"ファイターグローブ", kFist, 48, 0, false, kNone, {"格闘家の闘魂が", "込められたグローブ｡", "最大HPが上昇する｡"}, {4084, 0, 0, 0}},
    {"キャットハンド", kFist, 96, 45, false, kNone, {"爪と肉球が付いたグローブ。", "元はコスプレ用。"}},
    {"平和のためのミトン", kFist, 0, 0, false, kNone, {"調理用の耐熱手ぶくろ。", "コマンド「たたかう」が", "「トリート」に変わる。"}},
    {"ヌンチャク", kFist, 88, 0, false, kNone, {"二本の棒をつなぎ合わせた", "沖縄の武器｡"}},
    {"一握の砂", kFist, 4, 0, false, kNone, {"拳の中に握りしめる砂｡", "目つぶしの追加効果あり｡"}},
    {"カイザーナックル", kFist, 35, 0, false, kNone, {"指に装着して､鉄の重さを", "拳に上乗せするナックル｡"}},
    {"トンファー", kFist, 100, 0, false, kNone, {"琉球古武術に使われる", "卜の字型棍棒｡"}},
    {"トゥミテクンペ", kFist, 79, 11, false, kNone, {"全能力値が少しずつ上昇", "する、アイヌの戦闘用手甲｡"}, {1800, 19, 26, 11}},
    {"鈎爪", kFist, 111, -9, false, kNone, {"先端が鈎状に曲がった", "長い鉄爪｡"}},
    {"ドラゴンクロー", kFist, 135, 0, false, kNone, {"飛龍の爪を取り付けた手甲｡"}},
    {"虎咬", kFist, 122, 0, false, kNone, {"獲物に喰らいつく虎の如く", "敵を仕留める爪｡"}},
    {"極楽鳥の爪", kFist, 144, 0, false, kNone, {"攻撃と同時にステータス", "異常を相手に移す｡"}},
}};
// clang-format on

} // namespace

std::span<const WeaponCatalogueRow> WeaponCatalogue() {
    return kWeapons;
}

std::string WeaponKey(std::string_view name) {
    if (Len(name) == 2) return std::string(name) + std::string(kWideSpace);
    return Left(name, 3);
}

const WeaponCatalogueRow* FindWeapon(std::string_view name) {
    const std::string key = WeaponKey(name);
    const auto it = std::find_if(kWeapons.begin(), kWeapons.end(),
                                 [&](const WeaponCatalogueRow& row) { return WeaponKey(row.name) == key; });
    return it == kWeapons.end() ? nullptr : &*it;
}

int WeaponAttack(const WeaponCatalogueRow* row, int wielderElement) {
    if (row == nullptr) return 0;
    if (row->wielderElement != kNone && row->wielderElement == wielderElement) return row->wielderAttack;
    return row->attack;
}

} // namespace vk2
