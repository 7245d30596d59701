#include "settings/settings_layout.h"

namespace mc::layout {

namespace {

using enum FieldCode;
using enum Target;
using enum Rule;

constexpr Field check(short col, short no, Rule rule) { return {col, col, F, Check, no, rule}; }
constexpr Field option(short col, short no) { return {col, col, X, Option, no, AsRead}; }

constexpr Field kSetRecord[] = {
    {1, 2, Ttrim, Text, 1, Range, 1, 99, "1", true},
    {3, 4, Ttrim, Text, 2, Range, 1, 99, "2", true},
    {7, 9, Ttrim, Text, 4, Range, 1, 999, "999", true},
    {10, 12, Ttrim, Text, 5, Range, 1, 999, "1"},
    {13, 15, Ttrim, Text, 6, FirstDay},
    {16, 18, Ttrim, Text, 7, Range, 1, 200, "1", true},
    {19, 21, T, Text, 8, FirstPlace, 0, 0, "", true},
    option(22, 1),  // Tray Cards
    option(23, 2),  // Meal Cards
    option(24, 6),  // Select Menus
    option(25, 4),  // Pseudo Select
    check(26, 1, AsRead),
    check(27, 2, OnlyOne),
    check(28, 3, OnlyOne),
    check(29, 4, AsRead),
    {30, 31, N, List2, 0, Range, 1, 13, "0"},
    check(32, 5, AsRead),
    check(33, 6, AsRead),
    option(34, 3),  // User cards
    check(35, 7, AsRead),
    check(36, 8, AsRead),
    check(37, 9, AsRead),
    {38, 41, N, Text, 9, Stored},
    {42, 43, N, Text, 10, Stored},
    {44, 47, N, Text, 11, Stored},
    {48, 49, N, Text, 13, Stored},
    {50, 51, N, Text, 12, Stored},
    {52, 53, N, Text, 14, Range, 8, 24, "12"},
    check(54, 23, OnlyOne),
    {55, 58, N, Text, 27, AsRead},
    check(59, 24, OnlyOne),
    {60, 89, T, PrinterName, 0, Plain},
    check(90, 33, NonZero),
    check(91, 10, OnlyOne),
    check(92, 11, OnlyOne),
    check(93, 12, OnlyOne),
    check(94, 13, OnlyOne),
    check(95, 14, OnlyOne),
    check(96, 15, OnlyOne),
    {97, 100, M, Text, 16, StoredOrZero, 0, 0, "700"},
    {101, 104, M, Text, 17, StoredOrZero, 0, 0, "10"},
    check(105, 16, OnlyOne),
    {106, 109, M, Text, 18, Stored},
    {110, 113, M, Text, 19, Stored},
    {114, 116, Ttrim, Text, 20, Plain},
    check(117, 17, OnlyOne),
    check(118, 18, OnlyOne),
    check(119, 19, OnlyOne),
    check(120, 20, OnlyOne),
    {121, 125, Sdec, Text, 21, Below, 0, 0, "4.8"},  // lo is 0.1, see the reader
    {126, 129, S, Text, 22, ZeroDefault, 0, 0, "290"},
    {130, 133, S, Text, 23, ZeroDefault, 0, 0, "170"},
    {134, 137, S, Text, 24, ZeroDefault, 0, 0, "80"},
    {138, 141, S, Text, 25, ZeroDefault, 0, 0, "460"},
    {142, 143, N, Text, 26, ZeroDefault, 0, 0, "3"},
    check(144, 21, NonZero),
    {220, 221, N, Text, 30, Range, 1, 99, "0"},
    {222, 223, N, Text, 31, Range, 1, 99, "0"},
    {224, 227, P, Text, 32, AsRead},
    {228, 230, N, Text, 33, Range, 1, 599, "0"},
    check(231, 34, NonZero),
    check(232, 22, NonZero),
    {233, 233, N, StripChoice, 1, Range, 1, 4, "1"},
    {234, 234, N, StripChoice, 2, Range, 1, 4, "2"},
    {235, 235, N, StripChoice, 3, Range, 1, 4, "3"},
    {236, 236, N, StripChoice, 4, Range, 1, 4, "1"},
    check(237, 25, NonZero),
    check(238, 26, NonZero),
    check(239, 35, NonZero),
    {240, 259, T, Text, 28, ClipArt},
    {260, 289, T, Text, 29, RightTrim},
    check(291, 27, NonZero),
    check(292, 28, AsRead),
    {293, 295, Ttrim, Text, 3, Range, 1, 999, "1", true},
    option(296, 5),  // ALF menus
    check(297, 29, OnlyOne),
    check(298, 30, OnlyOne),
    check(299, 31, OnlyOne),
    check(300, 32, OnlyOne),
};

constexpr Field kSharedRecordFields[] = {
    {1, 10, C, FormColor, 0},
    {11, 20, C, FirstColor, 0},
    {21, 30, C, SecondColor, 0},
    check(31, 37, OnlyOne),
    check(32, 38, OnlyOne),
    check(33, 39, OnlyOne),
    {34, 34, N, Text, 35, Range, 0, 5, "0"},
    check(35, 40, OnlyOne),
    check(36, 41, OnlyOne),
    check(37, 42, OnlyOne),
    check(38, 43, OnlyOne),
};

}  // namespace

std::span<const Field> setRecord() { return kSetRecord; }
std::span<const Field> sharedRecord() { return kSharedRecordFields; }

}  // namespace mc::layout
