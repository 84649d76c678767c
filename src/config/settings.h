// The persisted options, the table that binds each one to its key, default and
// load rule, and the load/save walk over an abstract profile store so the same
// code runs against the real INI file and against tests.
#pragma once
#include <cstddef>

#include "../common/geometry.h"

struct Settings {
    int left, right, top, bottom;  // nonzero: that edge has a bar
    int width;                     // bar thickness in pixels
    int transparency;              // in percent, 0 opaque; the file's key is "Alpha"
    int red, green, blue;          // bar colour; only the low 8 bits count
    int offset;                    // corner margin in pixels
    int openWidth;                 // wipe distance in desktop icon spacings
    int leftKey, rightKey, topKey, bottomKey;  // the key that wipes each edge (config/hot_key.h), 0 for none
    int everyScreen;               // nonzero: every monitor has bars, not the primary alone
    int hoverDelay;                // milliseconds the pointer rests on a bar before it wipes; 0 off
};

enum SettingsRule {
    RuleNone,
    RuleClampToRange,   // below lo becomes lo, above hi becomes hi
    RuleZeroOutside,    // outside lo..hi becomes 0
    RuleCornerMargin,   // negative, or more than half the screen, becomes 0
    RuleHotKey,         // kept as text ("Ctrl+Alt+Left"); anything but a usable key becomes 0
    RuleOffOrRange,     // 0 (off) or lo..hi; anything else becomes 0
};

// lo..hi is also what the Options page offers, except for the corner margin,
// and where 0 stands for off, which the page offers too.
struct SettingsField {
    const char* key;
    int Settings::*field;
    int defaultValue;
    SettingsRule rule;
    int lo, hi;
    // Came after the colour: written after it, and only when it differs from
    // its default, so the file of a user who never set it stays as it was.
    bool cameLater;
};

// The keys, in the order they are written: the numbers, then the colour
// (its own rule, below), then the keys that came later.
extern const SettingsField kSettingsFields[];
extern const int kSettingsFieldCount;

const SettingsField& SettingsFieldOf(int Settings::*field);

struct Range {
    int lo, hi;
};

// What the Options page lets the user pick. The corner margin stays below
// the largest the file's rule keeps, so every bar keeps some length.
Range OfferedRange(const SettingsField& f, ScreenSize screen);

const char* const kSettingsSection = "Sashlet";
int ApplySettingsRule(const SettingsField& f, int value, ScreenSize screen);

// Brings every field under the load rules, as reading it back from the file would.
void ApplySettingsRules(ScreenSize screen, Settings& s);

// Reads one "%d" conversion at `text`: optional blanks and sign, then at
// least one decimal digit. On success `text` moves past it.
bool ScanInt(const char*& text, int& out);

// How the platform's profile reader turns a value's text into a number:
// optional blanks and sign, then leading decimal digits; anything else is 0.
int ProfileTextToInt(const char* text);

struct ProfileStore {
    void* context;
    int (*readInt)(void* context, const char* key, int defaultValue);
    void (*readString)(void* context, const char* key, const char* defaultValue, char* out, int size);
    // False when it did not reach the file; no value removes the key.
    bool (*writeString)(void* context, const char* key, const char* value);
};

void ReadSettings(const ProfileStore& store, ScreenSize screen, Settings& s);
// True when every key was written.
bool WriteSettings(const ProfileStore& store, const Settings& s);

// Writes `value` as "%d" would, into at least 12 bytes; returns the length.
// The program needs no other formatting, so it carries no printf.
int FormatDecimal(int value, char* out);

// The colour's key and text in the file, "red,green,blue".
const char* const kColorKey = "Color";
const char* const kColorDefault = "255,255,0";
const int kColorBufferSize = 31;  // so at most 30 characters of the value count

// Assigns red, green, blue from "%d,%d,%d" text left to right until the text
// stops matching; the fields after the mismatch keep their values.
void ParseColor(const char* text, Settings& s);

// The file's "%d,%d,%d" text of the three components, into at least
// kLongestColorText + 1 bytes; returns its length.
const int kLongestColorText = 3 * 11 + 2;
int FormatColor(const Settings& s, char* out);

// A profile store that holds no file: every read yields its default, and no write lands.
ProfileStore AbsentProfileStore();

// In front of `file`: a key the file does not hold reads as its default, as
// the file would give it, without asking the file, which under Wine opens
// the file again for every key. `keys` is the profile reader's list of the
// section's keys (each ended by a zero), `length` bytes long; with no list,
// every read goes to the file. Writes always do.
struct ListedKeys {
    ProfileStore file;
    const char* keys;
    size_t length;
};
ProfileStore ListedKeysStore(ListedKeys& listed);
