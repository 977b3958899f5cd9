#include "cli/script_fields.h"

#include <array>
#include <limits>
#include <tuple>
#include <type_traits>

namespace vk2::cli {
namespace {

template <auto Member> constexpr NumericField Field(std::string_view name) {
    using Array = std::remove_cvref_t<decltype(std::declval<FighterTable&>().*Member)>;
    using Value = typename Array::value_type;
    return {name,
            [](const FighterTable& f, SlotIndex s) -> std::int64_t { return (f.*Member)[s]; },
            [](FighterTable& f, SlotIndex s, std::int64_t v) { (f.*Member)[s] = static_cast<Value>(v); },
            std::numeric_limits<Value>::min(),
            std::numeric_limits<Value>::max(),
            static_cast<int>(std::tuple_size_v<Array>)};
}

// name and field, in the order of the fighter table
constexpr std::array kNumericFields{
    Field<&FighterTable::pictureWidth>("pictureWidth"),
    Field<&FighterTable::pictureHeight>("pictureHeight"),
    Field<&FighterTable::redSum>("redSum"),
    Field<&FighterTable::greenSum>("greenSum"),
    Field<&FighterTable::blueSum>("blueSum"),
    Field<&FighterTable::level>("level"),
    Field<&FighterTable::element>("element"),
    Field<&FighterTable::baseLevel>("baseLevel"),
    Field<&FighterTable::baseElement>("baseElement"),
    Field<&FighterTable::baseMaxHp>("baseMaxHp"),
    Field<&FighterTable::equipHp>("equipHp"),
    Field<&FighterTable::hpMod>("hpMod"),
    Field<&FighterTable::maxHp>("maxHp"),
    Field<&FighterTable::baseMaxMp>("baseMaxMp"),
    Field<&FighterTable::equipMp>("equipMp"),
    Field<&FighterTable::mpMod>("mpMod"),
    Field<&FighterTable::maxMp>("maxMp"),
    Field<&FighterTable::baseAttack>("baseAttack"),
    Field<&FighterTable::equipAttack>("equipAttack"),
    Field<&FighterTable::attackMod>("attackMod"),
    Field<&FighterTable::attack>("attack"),
    Field<&FighterTable::baseDefense>("baseDefense"),
    Field<&FighterTable::equipDefense>("equipDefense"),
    Field<&FighterTable::defenseMod>("defenseMod"),
    Field<&FighterTable::defense>("defense"),
    Field<&FighterTable::baseSpeed>("baseSpeed"),
    Field<&FighterTable::equipSpeed>("equipSpeed"),
    Field<&FighterTable::speedMod>("speedMod"),
    Field<&FighterTable::speed>("speed"),
    Field<&FighterTable::baseSpirit>("baseSpirit"),
    Field<&FighterTable::equipSpirit>("equipSpirit"),
    Field<&FighterTable::spiritMod>("spiritMod"),
    Field<&FighterTable::spirit>("spirit"),
    Field<&FighterTable::equippedKind>("equippedKind"),
    Field<&FighterTable::longReach>("longReach"),
    Field<&FighterTable::tension>("tension"),
    Field<&FighterTable::learnedCount>("learnedCount"),
    Field<&FighterTable::statusIconIndex>("statusIconIndex"),
    Field<&FighterTable::messageOffset>("messageOffset"),
    Field<&FighterTable::position>("position"),
    Field<&FighterTable::timeGauge>("timeGauge"),
};

// name, the slot's array, its length
constexpr std::array<ByteArrayField, 3> kByteArrayFields{{
    {"proficiency", [](FighterTable& f, SlotIndex s) { return f.proficiency[s].data(); }, kWeaponKinds},
    {"affinity", [](FighterTable& f, SlotIndex s) { return f.affinity[s].data(); }, kElements},
    {"weaponElements", [](FighterTable& f, SlotIndex s) { return f.weaponElements[s].data(); }, kElements},
}};

} // namespace

const ByteArrayField* FindByteArrayField(std::string_view name) {
    for (const ByteArrayField& field : kByteArrayFields)
        if (field.name == name) return &field;
    return nullptr;
}

const NumericField* FindNumericField(std::string_view name) {
    for (const NumericField& field : kNumericFields)
        if (field.name == name) return &field;
    return nullptr;
}

} // namespace vk2::cli
