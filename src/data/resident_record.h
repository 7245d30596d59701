// The resident being printed: one record for the whole program run,
// overwritten by each load. Everything that exists once per meal is held in
// three slots arranged by the meal order: slot k holds the meal named by the
// k-th letter ("LSB": lunch, supper, breakfast). Index 0 of the slot and
// numbered arrays is unused so that the numbers read as on the cards.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mc {

// Flags from the diet text and the special instructions.
struct DietFlags {
  int Nectar = 0;
  int Honey = 0;
  int Pudding = 0;
  int Thickened = 0;  // not cleared by a load; the print run clears it per resident
  int FluidRestriction = 0;
  int NoMilk = 0;
  int Bland = 0;
  int Puree = 0;
  int Dysphagia = 0;  // -1 level not stated, 0 none, 1..3
  int MechSoft = 0;
  int MeatTexture = 0;  // with MechSoft: 0 chopped, 1 ground, 2 pureed meat
  int Liquid = 0;
  int LowSodium = 0;
  int CalorieControl = 0;
  int Renal = 0;
  int LowFat = 0;
  int Fortified = 0;
  int LargePortion = 0;
  int DoublePortion = 0;
};

template <class T, size_t Lines>
using MealSlots = std::array<std::array<T, Lines>, 4>;  // [slot 1..3][line]

struct ResidentRecord {
  std::string ResidentFile;  // 7-character file name, set by the caller before a load
  std::string ResidentPath;  // host-independent Windows path; "" when the file is missing
  bool Loaded = false;
  // What is wrong with the shape of the data file ("is empty", "holds NUL
  // bytes" ...); "" for a sound file. Such a record may be wrong anywhere.
  std::string Damage;
  // The damage is in the fields themselves (a shifted record): any value of
  // the record, the name too, may be another field's.
  bool FieldsMisplaced = false;
  // The damaged shared files that values of this resident's card were read
  // from (the name table for the likes and dislikes, the diet file, the
  // dining location file): each path with what is wrong, "; " between them.
  // "" when none. Such a card may be wrong where those values stand.
  std::string SharedDamage;
  void noteSharedDamage(const std::string& path, const std::string& damage) {
    const std::string note = path + " " + damage;
    if (SharedDamage.find(note) != std::string::npos) return;
    SharedDamage += (SharedDamage.empty() ? "" : "; ") + note;
  }

  std::string NameLine;
  std::string Room;
  std::string Diet;
  std::array<int16_t, 5> DietCode{};  // 1..4
  int16_t ColorCode = 0;
  std::array<std::string, 4> DiningCode{};  // 1..3: breakfast, lunch, supper
  bool SelectResident = false;
  std::string Hydrate;
  std::array<std::string, 4> HydrateAt{};       // 1..3: breakfast, lunch, supper
  MealSlots<std::string, 5> HydrateLines{};     // [slot][line 1..4]
  std::array<int16_t, 5> ClipArt{};             // 1..4
  int16_t StiPicture = 0;
  int16_t FeedingSkill = 0;
  bool HospitalOrOut = false;
  bool ExcludeMode = false;
  bool Isolation = false;
  bool Allergies = false;
  bool OwnNameTable = false;
  std::array<std::string, 31> OwnLikeNames{};     // 1..30, when OwnNameTable
  std::array<std::string, 31> OwnDislikeNames{};  // 1..30
  MealSlots<std::string, 35> Likes{};     // [slot][line 0..34]; line 1 is the heading
  MealSlots<std::string, 35> Dislikes{};  // [slot][line 0..34]; line 1 is the heading
  // Items of a slot's list that a later item overwrote on the list's last
  // line: they are on no card. [slot 1..3]
  std::array<int, 4> LikesLost{};
  std::array<int, 4> DislikesLost{};
  // [slot][line 1..7]; lines 1..6 from the file, line 7 the meal pattern line
  // that the print run adds.
  MealSlots<std::string, 8> SpecialInstructions{};
  int SpecialLineCount = 0;
  std::string MenuLetters;

  DietFlags diet;

  // From the diet file.
  std::array<std::array<int16_t, 3>, 5> DietMatrix{};  // [code 1..4][selector 1..2]
  std::string DietMask = std::string(20, ' ');
  bool DietCodeMarked = false;
  // Codes 1..4 (after normalisation) that the diet file in use has no
  // record for; only set when that file exists.
  std::array<bool, 5> DietCodeNotInFile{};
};

}  // namespace mc
