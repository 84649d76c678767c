#include "moved_file.h"

#include <climits>
#include <cstdlib>
#include <cstring>

// The first line names the file and its version, so that a file of another
// program or of a later Sashlet is never read as ours; the writer's process
// id follows. Then one line a window. The class name comes last, with its
// length in front, as a class name may hold spaces or any other byte.
static const char kHeader[] = "Sashlet.moved 1 ";
static const char kLineEnd[] = "\r\n";

// The numbers of a window's line, in order; the writer and the reader both
// walk this table, so they cannot drift apart.
enum FieldKind { FieldHandle, FieldProcess, FieldState, FieldCoordinate, FieldNameLength };

struct LineField {
    FieldKind kind;
    char separator;  // after the number
};

static const LineField kLine[] = {
    {FieldHandle, ' '},     {FieldProcess, ' '},    {FieldState, ' '},      {FieldCoordinate, ' '},
    {FieldCoordinate, ' '}, {FieldCoordinate, ' '}, {FieldCoordinate, ' '}, {FieldNameLength, ':'},
};
const int kLineFields = sizeof kLine / sizeof kLine[0];

// Ten digits, a sign and a separator are the most a number takes.
static const size_t kLongestLine = kLineFields * 12 + (kClassNameSize - 1) + 2;

static unsigned BaseOf(FieldKind kind) { return kind == FieldHandle ? 16 : 10; }

// The largest magnitude each kind may hold; a coordinate is signed.
static unsigned long long LimitOf(FieldKind kind, bool negative)
{
    switch (kind) {
    case FieldState:
        return ShownMinimised;
    case FieldCoordinate:
        return negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX;
    case FieldNameLength:
        return kClassNameSize - 1;
    default:
        return UINT32_MAX;
    }
}

static void FieldsOf(const PushedWindowRecord& r, long long* values, size_t nameLength)
{
    const long long v[kLineFields] = {r.window, r.processId, r.state,  r.home.x,
                                      r.home.y, r.sent.x,    r.sent.y, static_cast<long long>(nameLength)};
    memcpy(values, v, sizeof v);
}

// Written by hand: the C library's formatting would double the program's size.
static size_t AppendNumber(char* out, long long value, unsigned base)
{
    size_t used = 0;
    if (value < 0)
        out[used++] = '-';
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    char digits[20];
    size_t n = 0;
    do {
        digits[n++] = "0123456789abcdef"[magnitude % base];
        magnitude /= base;
    } while (magnitude);
    while (n)
        out[used++] = digits[--n];
    return used;
}

char* FormatPushedWindows(const PushedWindowsFile& file, size_t* size)
{
    const int count = file.count < 0 ? 0 : file.count > kMovedWindowCapacity ? kMovedWindowCapacity : file.count;
    char* out = static_cast<char*>(malloc(sizeof kHeader + 12 + static_cast<size_t>(count) * kLongestLine));
    if (!out)
        return nullptr;
    memcpy(out, kHeader, sizeof kHeader - 1);
    size_t used = sizeof kHeader - 1;
    used += AppendNumber(out + used, file.writer, 10);
    memcpy(out + used, kLineEnd, 2);
    used += 2;
    for (int i = 0; i < count; ++i) {
        const PushedWindowRecord& r = file.records[i];
        const size_t nameLength = strnlen(r.className, kClassNameSize - 1);
        long long values[kLineFields];
        FieldsOf(r, values, nameLength);
        for (int f = 0; f < kLineFields; ++f) {
            used += AppendNumber(out + used, values[f], BaseOf(kLine[f].kind));
            out[used++] = kLine[f].separator;
        }
        memcpy(out + used, r.className, nameLength);
        used += nameLength;
        memcpy(out + used, kLineEnd, 2);
        used += 2;
    }
    *size = used;
    return out;
}

// Reading walks a cursor over the bytes; every step either takes exactly
// what it expects or fails the whole file.
struct Cursor {
    const char* at;
    const char* end;
};

static bool Take(Cursor& c, const char* text, size_t length)
{
    if (static_cast<size_t>(c.end - c.at) < length || memcmp(c.at, text, length) != 0)
        return false;
    c.at += length;
    return true;
}

static int DigitOf(char ch, unsigned base)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (base == 16 && ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// A number as the writer writes it: a minus only before a coordinate other
// than zero, no leading zero, nothing beyond what its field holds.
static bool TakeNumber(Cursor& c, FieldKind kind, long long* value)
{
    const bool negative = kind == FieldCoordinate && Take(c, "-", 1);
    const unsigned base = BaseOf(kind);
    const unsigned long long limit = LimitOf(kind, negative);
    const char* start = c.at;
    unsigned long long v = 0;
    for (int d; c.at < c.end && (d = DigitOf(*c.at, base)) >= 0; ++c.at) {
        v = v * base + static_cast<unsigned>(d);
        if (v > limit)
            return false;
    }
    const size_t digits = static_cast<size_t>(c.at - start);
    if (digits == 0 || (digits > 1 && *start == '0') || (negative && v == 0))
        return false;
    *value = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
    return true;
}

static bool TakeRecord(Cursor& c, PushedWindowRecord& r)
{
    long long v[kLineFields];
    for (int f = 0; f < kLineFields; ++f)
        if (!TakeNumber(c, kLine[f].kind, &v[f]) || !Take(c, &kLine[f].separator, 1))
            return false;
    const size_t length = static_cast<size_t>(v[kLineFields - 1]);
    if (v[0] == 0 || static_cast<size_t>(c.end - c.at) < length || memchr(c.at, '\0', length))
        return false;
    r.window = static_cast<uint32_t>(v[0]);
    r.processId = static_cast<uint32_t>(v[1]);
    r.state = static_cast<ShowState>(v[2]);
    r.home = Point{static_cast<int>(v[3]), static_cast<int>(v[4])};
    r.sent = Point{static_cast<int>(v[5]), static_cast<int>(v[6])};
    memcpy(r.className, c.at, length);
    r.className[length] = '\0';
    c.at += length;
    return Take(c, kLineEnd, 2);
}

static bool NamedTwice(const PushedWindowsFile& file, int last)
{
    for (int i = 0; i < last; ++i)
        if (file.records[i].window == file.records[last].window)
            return true;
    return false;
}

static bool TakeHeader(Cursor& c, uint32_t* writer)
{
    long long v;
    if (!Take(c, kHeader, sizeof kHeader - 1) || !TakeNumber(c, FieldProcess, &v) || !Take(c, kLineEnd, 2))
        return false;
    *writer = static_cast<uint32_t>(v);
    return true;
}

bool WriterOfPushedWindows(const char* data, size_t size, uint32_t* writer)
{
    Cursor c = {data, data + size};
    return TakeHeader(c, writer);
}

bool ParsePushedWindows(const char* data, size_t size, PushedWindowsFile& file)
{
    Cursor c = {data, data + size};
    file.count = 0;
    file.writer = 0;
    if (!TakeHeader(c, &file.writer))
        return false;
    while (c.at < c.end) {
        if (file.count == kMovedWindowCapacity || !TakeRecord(c, file.records[file.count]) ||
            NamedTwice(file, file.count)) {
            file.count = 0;
            return false;
        }
        ++file.count;
    }
    return true;
}

bool PutsHomeAtStart(const PushedWindowRecord& record, const WindowNow& now)
{
    return now.exists && now.processId == record.processId && now.className &&
           strcmp(now.className, record.className) == 0 && now.state == record.state &&
           now.corner == record.sent && !(record.sent == record.home);
}
