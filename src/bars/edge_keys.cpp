#include "edge_keys.h"

#include "../config/edges.h"
#include "../config/hot_key.h"

// Holding a key down must not toggle the wipe on every repeat. Windows
// before 7 does not know the flag and refuses a key that carries it.
#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

static bool Register(HWND window, int id, int key)
{
    const UINT modifiers = static_cast<UINT>(HotKeyModifiers(key));
    const UINT vk = static_cast<UINT>(HotKeyVirtualKey(key));
    if (RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, vk))
        return true;
    return GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED && RegisterHotKey(window, id, modifiers, vk);
}

int RegisterEdgeKeys(HWND window, const Settings& settings)
{
    ReleaseEdgeKeys(window);
    int taken = 0;
    for (int e = 0; e < EdgeCount; ++e) {
        const int key = settings.*kEdges[e].hotKey;
        if (key && EdgeEnabled(settings, static_cast<Edge>(e)) && !Register(window, kEdges[e].hotKeyId, key))
            taken |= 1 << e;
    }
    return taken;
}

void ReleaseEdgeKeys(HWND window)
{
    for (const EdgeFacts& edge : kEdges)
        UnregisterHotKey(window, edge.hotKeyId);
    ReleaseHeldKeys(window);
}

// The modifier a held button's registration adds, and its identifier's offset.
struct HeldModifier {
    int modifier;
    int idOffset;
};

static const HeldModifier kHeldModifiers[] = {{kHotKeyControl, IDH_HELD_WITH_CTRL},
                                              {kHotKeyShift, IDH_HELD_WITH_SHIFT}};

void RegisterHeldKeys(HWND window, const Settings& settings)
{
    for (int e = 0; e < EdgeCount; ++e) {
        const int key = settings.*kEdges[e].hotKey;
        if (!key || !EdgeEnabled(settings, static_cast<Edge>(e)))
            continue;
        for (const HeldModifier& held : kHeldModifiers)
            if (!(HotKeyModifiers(key) & held.modifier))
                Register(window, kEdges[e].hotKeyId + held.idOffset,
                         MakeHotKey(HotKeyModifiers(key) | held.modifier, HotKeyVirtualKey(key)));
    }
}

void ReleaseHeldKeys(HWND window)
{
    for (const EdgeFacts& edge : kEdges)
        for (const HeldModifier& held : kHeldModifiers)
            UnregisterHotKey(window, edge.hotKeyId + held.idOffset);
}

bool EdgeOfHotKey(int id, Edge* edge)
{
    for (int e = 0; e < EdgeCount; ++e) {
        const int offset = id - kEdges[e].hotKeyId;
        if (offset == 0 || offset == IDH_HELD_WITH_CTRL || offset == IDH_HELD_WITH_SHIFT) {
            *edge = static_cast<Edge>(e);
            return true;
        }
    }
    return false;
}
