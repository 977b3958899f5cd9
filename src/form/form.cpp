#include "form/form.h"

namespace vk2 {

Form::Form() {
    // Every slot starts empty: no picture on the field.
    for (SlotIndex s = 0; s < kSlots; ++s) {
        ViewUnder[s].visible = false;
        View[s].visible = false;
    }
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        Cursor[s] = {"◆", false, kWhite};
        CursorTail[s] = {"◆", false};
        Mode[s].text = "Manual";
        HPMP[s].text = " HP\r\n MP\r\n";
        WinCh[s].caption = "ｽﾃｰﾀｽ参照";
        // Design-time colours of the tension bars.
        TGage[s].backColour = Rgb(0x80, 0xFF, 0x80);
    }
    TGage[0].backColour = Rgb(0x66, 0xDD, 0xFF);
    TGage[4].backColour = Rgb(0xFF, 0x66, 0x00);
}

} // namespace vk2
