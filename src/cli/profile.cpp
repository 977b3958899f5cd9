#include "cli/profile.h"

#include <sstream>

#include "model/elements.h"
#include "model/fighter_table.h"
#include "model/status_sheet.h"

namespace vk2::cli {
namespace {

constexpr const char* kKindNames[kWeaponKinds] = {"剣・刀", "ナイフ", "拳・爪", "槍・矛",
                                                  "斧・槌", "杖・鞭", "弓・銃"};

template <typename Array> Json NumberArray(const Array& values) {
    Json out = Json::array();
    for (const auto v : values) out.push_back(static_cast<int>(v));
    return out;
}

Json Abilities(int hp, int mp, int attack, int defense, int speed, int spirit) {
    return Json{{"max_hp", hp},       {"max_mp", mp},   {"attack", attack},
                {"defense", defense}, {"speed", speed}, {"spirit", spirit}};
}

Json ListEntries(const ListBox& list) {
    Json out = Json::array();
    for (const auto& entry : list.entries) out.push_back(Json::array({entry.text, entry.number}));
    return out;
}

// "炎 3  冷 5 ..." for a nine-element array.
std::string ElementRow(const Json& values) {
    std::string row;
    for (int i = 0; i < kElements; ++i) {
        if (i) row += "  ";
        row += ElementName(i + 1) + " " + std::to_string(values[static_cast<std::size_t>(i)].get<int>());
    }
    return row;
}

std::string AbilityRow(const Json& a) {
    std::ostringstream row;
    row << "HP " << a["max_hp"].get<int>() << "  MP " << a["max_mp"].get<int>() << "  攻 "
        << a["attack"].get<int>() << "  守 " << a["defense"].get<int>() << "  速 " << a["speed"].get<int>()
        << "  精 " << a["spirit"].get<int>();
    return row.str();
}

} // namespace

Json ProfileJson(const Game& game, const std::string& path) {
    const FighterTable& f = game.f;
    const SlotIndex s = kPreviewSlot;
    Json j;
    j["path"] = path;
    j["width"] = f.pictureWidth[s];
    j["height"] = f.pictureHeight[s];
    j["red_sum"] = f.redSum[s];
    j["green_sum"] = f.greenSum[s];
    j["blue_sum"] = f.blueSum[s];
    j["digit_code"] = f.digitCode[s];
    j["element"] = f.element[s];
    j["level"] = f.level[s];
    j["proficiency"] = NumberArray(f.proficiency[s]);
    j["weapon"] = f.weapon[s];
    j["equipped_kind"] = f.equippedKind[s];
    j["accessory"] = f.accessory[s];
    j["items"] = ListEntries(game.form.ItemPrev);
    j["base"] = Abilities(f.baseMaxHp[s], f.baseMaxMp[s], f.baseAttack[s], f.baseDefense[s], f.baseSpeed[s],
                          f.baseSpirit[s]);
    j["affinity"] = NumberArray(f.affinity[s]);
    j["weapon_elements"] = NumberArray(f.weaponElements[s]);
    j["equip"] = Abilities(f.equipHp[s], f.equipMp[s], f.equipAttack[s], f.equipDefense[s], f.equipSpeed[s],
                           f.equipSpirit[s]);
    j["effective"] = Abilities(f.maxHp[s], f.maxMp[s], f.attack[s], f.defense[s], f.speed[s], f.spirit[s]);
    j["long_reach"] = f.longReach[s];
    j["commands"] = ListEntries(game.form.Command[s]);
    j["sheet0"] = BuildStatusSheetFor(game, s, kSheetAbilities);
    j["sheet1"] = BuildStatusSheetFor(game, s, kSheetEquipment);
    return j;
}

std::string ProfileText(const Game& game, const std::string& path) {
    const Json j = ProfileJson(game, path);
    std::ostringstream out;
    out << path << "\n";
    out << "  size             " << j["width"].get<int>() << " x " << j["height"].get<int>() << "\n";
    out << "  colour sums      R " << j["red_sum"].get<int>() << "  G " << j["green_sum"].get<int>() << "  B "
        << j["blue_sum"].get<int>() << "\n";
    out << "  digit code       " << j["digit_code"].get<std::string>() << "\n";
    out << "  element          " << j["element"].get<int>() << " " << ElementName(j["element"].get<int>())
        << "\n";
    out << "  level            " << j["level"].get<int>() << "\n";
    out << "  proficiency     ";
    for (int k = 0; k < kWeaponKinds; ++k)
        out << " " << kKindNames[k] << " " << j["proficiency"][static_cast<std::size_t>(k)].get<int>();
    out << "\n";
    out << "  weapon           " << j["weapon"].get<std::string>() << " ("
        << kKindNames[j["equipped_kind"].get<int>() % kWeaponKinds] << ")\n";
    const std::string accessory = j["accessory"].get<std::string>();
    out << "  accessory        " << (accessory.empty() ? "-" : accessory) << "\n";
    out << "  items           ";
    for (const auto& item : j["items"])
        out << " " << item[0].get<std::string>() << "[" << item[1].get<int>() << "]";
    out << "\n";
    out << "  base             " << AbilityRow(j["base"]) << "\n";
    out << "  affinity         " << ElementRow(j["affinity"]) << "\n";
    out << "  weapon elements  " << ElementRow(j["weapon_elements"]) << "\n";
    out << "  equipment        " << AbilityRow(j["equip"]) << "\n";
    out << "  effective        " << AbilityRow(j["effective"])
        << (j["long_reach"].get<int>() ? "  (long reach)" : "") << "\n";
    out << "  commands        ";
    for (const auto& command : j["commands"])
        out << " " << command[0].get<std::string>() << "[" << command[1].get<int>() << "]";
    out << "\n  status sheet\n";
    std::istringstream sheet(j["sheet0"].get<std::string>() + j["sheet1"].get<std::string>());
    for (std::string line; std::getline(sheet, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out << "    " << line << "\n";
    }
    return out.str();
}

} // namespace vk2::cli
