// A key that wipes an edge, as "Sashlet.ini" spells it ("Ctrl+Alt+Left") and
// as the program keeps it: the modifiers RegisterHotKey takes, shifted left
// by 8, over the virtual-key code. 0 is no key. Window-free.
#pragma once

const int kHotKeyAlt = 0x1;  // the MOD_ values
const int kHotKeyControl = 0x2;
const int kHotKeyShift = 0x4;
const int kHotKeyWin = 0x8;
const int kHotKeyModifierShift = 8;

inline int HotKeyModifiers(int key) { return (key >> kHotKeyModifierShift) & 0xF; }
inline int HotKeyVirtualKey(int key) { return key & 0xFF; }
inline int MakeHotKey(int modifiers, int virtualKey) { return (modifiers << kHotKeyModifierShift) | virtualKey; }

// Room for the longest text a key is read from; a value the buffer cuts short is no key.
const int kHotKeyTextSize = 64;

// A key the user can press without losing one they type: a named key with
// Ctrl, Alt or Win, or a function key (F1 to F24) with any modifiers or none.
bool IsUsableHotKey(int key);

// The key "Ctrl+Alt+Left" names: modifiers (Ctrl, Alt, Shift, Win, each once,
// in any order) and a key name, joined by "+", in any case, with blanks
// around the parts. Anything else, an unusable key included, gives 0.
int ParseHotKey(const char* text);

// The text ParseHotKey reads back, modifiers as Ctrl+Alt+Shift+Win, into
// kHotKeyTextSize bytes; "" for no key or an unusable one. Returns its length.
int FormatHotKey(int key, char* out);
