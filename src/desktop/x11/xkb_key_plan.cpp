#include "x11/xkb_key_plan.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <map>
#include <optional>

#include "stroke_keysym.h"
#include "xkb_handles.h"

namespace rangedesk::desktop::x11 {

namespace {

constexpr xkb_keycode_t kLargestX11Keycode = 255;
constexpr std::size_t kMaxMasks = 16;

struct ModifierKey {
    xkb_keycode_t keycode;
    xkb_mod_mask_t mask; // what holding it sets
};

// Keys that set modifiers while held (Shift, AltGr...), found by pressing each in a fresh
// state: a key that locks, latches or changes the group is left out.
std::vector<ModifierKey> ModifierKeys(xkb_keymap* keymap) {
    std::vector<ModifierKey> keys;
    const xkb_keycode_t last = std::min(xkb_keymap_max_keycode(keymap), kLargestX11Keycode);
    for (xkb_keycode_t kc = xkb_keymap_min_keycode(keymap); kc <= last; ++kc) {
        const XkbStatePtr state(xkb_state_new(keymap));
        xkb_state_update_key(state.get(), kc, XKB_KEY_DOWN);
        const xkb_mod_mask_t held = xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED);
        if (held != 0 &&
            xkb_state_serialize_mods(
                state.get(), xkb_state_component(XKB_STATE_MODS_LATCHED | XKB_STATE_MODS_LOCKED)) ==
                0 &&
            xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) == 0) {
            keys.push_back({kc, held});
        }
    }
    // Keys setting one modifier first, so a mask is made of the plainest keys.
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        return std::popcount(a.mask) < std::popcount(b.mask);
    });
    return keys;
}

// Modifier keys whose masks together make exactly `mask`, or nothing.
std::optional<std::vector<xkb_keycode_t>> KeysForMask(const std::vector<ModifierKey>& modifiers,
                                                      xkb_mod_mask_t mask) {
    std::vector<xkb_keycode_t> chosen;
    xkb_mod_mask_t covered = 0;
    for (const auto& m : modifiers) {
        if ((m.mask & ~mask) == 0 && (m.mask & ~covered) != 0) {
            chosen.push_back(m.keycode);
            covered |= m.mask;
        }
    }
    if (covered != mask) {
        return std::nullopt;
    }
    return chosen;
}

// Whether holding `modifiers` and pressing `keycode` in `group` gives `keysym`, with what is
// locked; get_one_sym applies Caps Lock as a client does.
bool Gives(xkb_keymap* keymap, const LockedState& locked, const PlannedPress& press,
           xkb_keysym_t keysym) {
    const XkbStatePtr state(xkb_state_new(keymap));
    xkb_state_update_mask(state.get(), 0, 0, locked.mods, 0, 0, press.group);
    for (const xkb_keycode_t m : press.modifiers) {
        xkb_state_update_key(state.get(), m, XKB_KEY_DOWN);
    }
    return xkb_state_key_get_one_sym(state.get(), press.keycode) == keysym;
}

// The best press for a keysym in one group: the fewest modifiers, then the lowest key.
std::optional<PlannedPress> FindInGroup(xkb_keymap* keymap, const LockedState& locked,
                                        const std::vector<ModifierKey>& modifiers,
                                        xkb_keysym_t keysym, xkb_layout_index_t group) {
    std::optional<PlannedPress> best;
    const xkb_keycode_t last = std::min(xkb_keymap_max_keycode(keymap), kLargestX11Keycode);
    for (xkb_keycode_t kc = xkb_keymap_min_keycode(keymap); kc <= last; ++kc) {
        if (group >= xkb_keymap_num_layouts_for_key(keymap, kc)) {
            continue;
        }
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, kc, group);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t* syms = nullptr;
            const int n = xkb_keymap_key_get_syms_by_level(keymap, kc, group, level, &syms);
            if (n != 1 || syms[0] != keysym) {
                continue;
            }
            xkb_mod_mask_t masks[kMaxMasks];
            const std::size_t count =
                xkb_keymap_key_get_mods_for_level(keymap, kc, group, level, masks, kMaxMasks);
            // Each mask as it is, and with Shift, which undoes a locked Caps Lock.
            const xkb_mod_mask_t shift = 1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_SHIFT);
            for (std::size_t i = 0; i < 2 * count; ++i) {
                const xkb_mod_mask_t mask = i < count ? masks[i] : masks[i - count] | shift;
                if (best && std::popcount(mask) >= int(best->modifiers.size())) {
                    continue;
                }
                const auto keys = KeysForMask(modifiers, mask);
                if (!keys) {
                    continue;
                }
                PlannedPress press{kc, *keys, group};
                if (Gives(keymap, locked, press, keysym)) {
                    best = std::move(press);
                }
            }
        }
    }
    return best;
}

// Keycodes with no symbols in any group: free to carry a missing keysym for a while.
std::vector<xkb_keycode_t> SpareKeycodes(xkb_keymap* keymap) {
    std::vector<xkb_keycode_t> spare;
    const xkb_keycode_t last = std::min(xkb_keymap_max_keycode(keymap), kLargestX11Keycode);
    for (xkb_keycode_t kc = std::max<xkb_keycode_t>(xkb_keymap_min_keycode(keymap), 8); kc <= last;
         ++kc) {
        bool empty = true;
        const xkb_layout_index_t groups = xkb_keymap_num_layouts_for_key(keymap, kc);
        for (xkb_layout_index_t g = 0; g < groups && empty; ++g) {
            const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, kc, g);
            for (xkb_level_index_t l = 0; l < levels && empty; ++l) {
                const xkb_keysym_t* syms = nullptr;
                empty = xkb_keymap_key_get_syms_by_level(keymap, kc, g, l, &syms) == 0;
            }
        }
        if (empty) {
            spare.push_back(kc);
        }
    }
    return spare;
}

} // namespace

KeyPlan PlanKeys(xkb_keymap* keymap, const LockedState& locked, const KeyStrokes& strokes) {
    KeyPlan plan;
    const std::vector<ModifierKey> modifiers = ModifierKeys(keymap);
    std::vector<xkb_keycode_t> spare = SpareKeycodes(keymap);
    std::map<xkb_keysym_t, PlannedPress> found;
    const xkb_layout_index_t groups = xkb_keymap_num_layouts(keymap);
    for (const KeyStroke& stroke : strokes) {
        const xkb_keysym_t keysym = KeysymOf(stroke);
        if (keysym == XKB_KEY_NoSymbol) {
            plan.error = QCoreApplication::translate("Typing", "no keysym for the character U+%1")
                             .arg(uint(stroke.character), 4, 16, QLatin1Char('0'));
            break;
        }
        if (const auto it = found.find(keysym); it != found.end()) {
            plan.presses.push_back(it->second);
            continue;
        }
        // The group in use first: switching groups is the last resort before a spare key.
        std::optional<PlannedPress> press;
        for (xkb_layout_index_t i = 0; i < groups && !press; ++i) {
            press = FindInGroup(keymap, locked, modifiers, keysym, (locked.group + i) % groups);
        }
        if (!press) {
            if (spare.empty()) {
                plan.error = QCoreApplication::translate(
                                 "Typing", "the keyboard map has no key for \"%1\" and no spare "
                                           "keycode left to lend it")
                                 .arg(StrokesText({stroke}));
                break;
            }
            press = PlannedPress{spare.front(), {}, locked.group};
            plan.spares.push_back({spare.front(), keysym});
            spare.erase(spare.begin());
        }
        found.emplace(keysym, *press);
        plan.presses.push_back(*press);
    }
    if (!plan.error.isEmpty()) {
        plan.presses.clear();
        plan.spares.clear();
    }
    return plan;
}

} // namespace rangedesk::desktop::x11
