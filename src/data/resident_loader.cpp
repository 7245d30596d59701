#include "data/resident_loader.h"

#include <initializer_list>

#include "data/data_file_names.h"
#include "data/diet_classifier.h"
#include "data/meal_slots.h"
#include "data/record_shape.h"
#include "data/resident_backup.h"
#include "data/text.h"

namespace mc {

namespace {

constexpr int kRecordLength = 82;
constexpr int kLastListLine = 16;  // lines 2..16 hold items; further items overwrite line 16
constexpr unsigned char kOwnTableMark = 186;
constexpr char kHilite = static_cast<char>(254);

constexpr const char* kLikesHeading = "----- LIKES -----";
constexpr const char* kDislikesHeading = "-- DISLIKES --";
constexpr const char* kExcludeHeading = "-- EXCLUDE --";

using Markers = std::initializer_list<const char*>;

// A like or dislike is left off a meal's list when its name carries the
// marker of another meal. Dislikes know only the "AT" markers: a dislike
// "@B" is still shown at every meal, which errs on the safe side.
const Markers kLikeElsewhere[4] = {{},
                                   {"AT LCH", "@L", "AT SUP", "@S", "L/S"},
                                   {"AT BRK", "@B", "AT SUP", "@S"},
                                   {"AT BRK", "@B", "AT LCH", "@L"}};
const Markers kDislikeElsewhere[4] = {{}, {"AT LCH", "AT SUP"}, {"AT BRK", "AT SUP"}, {"AT BRK", "AT LCH"}};

using MealList = std::array<std::string, 35>;
using ListsByMeal = std::array<MealList, 4>;  // [meal 1..3]

// Fields of the resident data file.
struct Field {
  int record, from, to;
};
constexpr Field kRoom{2, 5, 10};
constexpr Field kName{2, 15, 39};
constexpr Field kDining[4] = {{}, {4, 43, 45}, {4, 49, 51}, {4, 55, 57}};
constexpr Field kSelect{4, 63, 63};
constexpr Field kDietPart[5] = {{}, {8, 15, 27}, {8, 33, 45}, {8, 51, 64}, {8, 70, 79}};
constexpr Field kDietCode[5] = {{}, {8, 11, 13}, {8, 29, 31}, {8, 47, 49}, {8, 66, 68}};
constexpr Field kHydrate{18, 11, 16};
constexpr Field kHospitalOrOut{39, 67, 67};
constexpr Field kStiPicture{49, 16, 17};
constexpr Field kClipArt[5] = {{}, {49, 19, 21}, {49, 23, 25}, {49, 27, 29}, {49, 31, 33}};
constexpr Field kMenuLetters{56, 9, 33};
constexpr int kLikeFlagsRecord = 57;     // flags 1..30 in columns 4..33
constexpr int kDislikeFlagsRecord = 64;  // the same
constexpr Field kFeedingSkill{157, 69, 70};
constexpr int kHydrationLinesFirst = 773;                 // records 773..776: lines 1..4
constexpr int kHydrationColumn[4] = {0, 2, 28, 54};      // 25 characters per meal
constexpr Field kHydrateAt[4] = {{}, {778, 23, 26}, {778, 49, 52}, {778, 76, 79}};
constexpr Field kExcludeMode{779, 43, 43};
constexpr Field kOwnTableMarkField{780, 21, 21};
constexpr int kOwnNamesFirst = 779;  // records 779..793
// The last record read; the resident program writes every file this long.
constexpr long kLastRecord = 793;
// Own names, untrimmed: record r gives names r - 778 and r - 763.
constexpr Field kOwnLike[2] = {{0, 4, 20}, {0, 24, 40}};
constexpr Field kOwnDislike[2] = {{0, 44, 60}, {0, 64, 79}};
// Special instruction records of each meal (six lines each) and the texture
// scan's range, which takes the records between them too.
constexpr int kSpecialFirst[4] = {0, 50, 58, 65};
constexpr int kTextureFirst = 50, kTextureLast = 70;

class ResidentFileView {
 public:
  explicit ResidentFileView(RecordFile file) : file_(std::move(file)) {}
  std::string_view record(int n) const { return file_.view(n); }
  std::string text(const Field& f) const { return columns(file_.view(f.record), f.from, f.to); }
  char at(const Field& f) const { return column(file_.view(f.record), f.from); }
  // A 16-bit number; one that overflows keeps `keep`.
  int16_t number(const Field& f, int16_t keep) const { return int16Field(text(f), keep); }
  // Flag i (1..30) of a like or dislike flag record: "." is not set.
  bool flag(int record, int i) const { return column(file_.view(record), 3 + i) != '.'; }

 private:
  RecordFile file_;
};

bool containsAny(const std::string& upperText, const Markers& markers) {
  for (const char* m : markers) {
    if (contains(upperText, m)) return true;
  }
  return false;
}

// Puts `name` into line `line` of each meal's list, empty for the meals
// whose list another meal's marker keeps it off. An item already on that
// line (the list's last, once it is full) is counted in `lost`.
void putItem(ListsByMeal& lists, std::array<int, 4>& lost, int line, const std::string& name,
             const Markers (&elsewhere)[4]) {
  const std::string u = upper(name);
  for (int meal = 1; meal <= 3; ++meal) {
    std::string& slot = lists[meal][line];
    if (!trim(slot).empty()) ++lost[meal];
    slot = containsAny(u, elsewhere[meal]) ? "" : name;
  }
}

// A special instruction record as the card shows it; the thick-liquid words
// are noted on the way.
std::string cleanSpecialInstruction(std::string rec, DietFlags& flags) {
  const std::string u = upper(rec);
  if (contains(u, "NECTAR")) flags.Nectar = 1;
  if (contains(u, "HONEY")) flags.Honey = 1;
  // A two-digit code in parentheses in front of the instruction, "(12) ...",
  // is the other program's line code, not text for the tray.
  const size_t close = rec.find(')');
  if (close != std::string::npos && close >= 1) {
    rec[close - 1] = rec[close] = ' ';
    if (close > 2) rec[close - 3] = rec[close - 2] = ' ';
  }
  // Code 254 asks for a hilite; as the first character it is left alone,
  // and so is every later one.
  for (size_t p = rec.find(kHilite); p != std::string::npos && p >= 1; p = rec.find(kHilite))
    rec[p] = '=';
  return rec;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What is wrong with a number field, "" when it is blank or holds one
// whole number (blanks, a sign, digits, blanks) standing wholly inside its
// columns: a digit beside it means the number runs on past them.
std::string numberFieldFault(std::string_view record, const Field& f) {
  const std::string text = columns(record, f.from, f.to);
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return {};
  const std::string where = "record " + std::to_string(f.record) + ", columns " + std::to_string(f.from) + "-" +
                            std::to_string(f.to) + ": \"" + text + "\"";
  if (text[i] == '-' || text[i] == '+') ++i;
  const size_t digits = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  if (i == digits || text.find_first_not_of(' ', i) != std::string::npos) return "holds no number (" + where + ")";
  const char before = column(record, f.from - 1), after = column(record, f.to + 1);
  if (isDigit(text.front()) && isDigit(before))
    return "runs on past its columns (" + where + ", \"" + before + "\" before it)";
  if (isDigit(text.back()) && isDigit(after))
    return "runs on past its columns (" + where + ", \"" + after + "\" after it)";
  return {};
}

}  // namespace

std::string residentFieldDamage(const RecordFile& file) {
  constexpr const char* kShifted = ": its records are shifted or overwritten";
  const std::string_view diet = file.view(kDietCode[1].record);
  for (int k = 1; k <= 4; ++k) {
    if (std::string fault = numberFieldFault(diet, kDietCode[k]); !fault.empty())
      return "has a diet code that " + fault + kShifted;
  }
  // The resident program writes every flag, "." when it is not set; a
  // blank among them, which would read as set, is a byte moved in from the
  // columns beside the flags.
  for (const int rec : {kLikeFlagsRecord, kDislikeFlagsRecord}) {
    const std::string flags = columns(file.view(rec), 4, 33);
    const size_t blank = flags.find(' ');
    if (blank == std::string::npos || flags.find_first_not_of(' ') == std::string::npos) continue;
    return std::string("has a blank among its ") + (rec == kLikeFlagsRecord ? "like" : "dislike") +
           " flags (record " + std::to_string(rec) + ", column " + std::to_string(blank + 4) + ")" + kShifted;
  }
  return {};
}

std::string residentFileDamage(const RecordFile& file) {
  if (file.tooLarge()) return "is larger than any resident file: not read";
  const std::string_view bytes = file.bytes();
  if (bytes.empty()) return "is empty";
  // Records 1..8 hold the room, name, dining codes and diet.
  constexpr size_t kDietRecordEnd = static_cast<size_t>(kDietPart[1].record) * kRecordLength;
  if (bytes.size() < kDietRecordEnd) return "ends before its diet record (" + std::to_string(bytes.size()) + " bytes)";
  if (std::string damage = recordFileDamage(file, {kRecordLength, kLastRecord}); !damage.empty()) return damage;
  return residentFieldDamage(file);
}

std::string abbreviatedName(const std::string& name) {
  std::string last = name, first;
  const size_t comma = name.find(',');
  if (comma != std::string::npos && comma >= 1) {
    last = trim(name.substr(0, comma));
    first = trim(name.substr(comma + 1, 25));
  }
  if (!last.empty() && last.size() <= 3) last.resize(1);
  if (last.size() > 1) last.resize(3);
  if (first.size() > 1) first.resize(2);
  return last + "., " + first + ".";
}

namespace {

// The resident's own like and dislike names, where the file carries its own
// table instead of the facility's.
void readOwnNameTable(ResidentRecord& r, const ResidentFileView& f) {
  if (static_cast<unsigned char>(f.at(kOwnTableMarkField)) != kOwnTableMark) return;
  r.OwnNameTable = true;
  for (int rec = kOwnNamesFirst; rec <= kOwnNamesFirst + 14; ++rec) {
    const std::string_view line = f.record(rec);
    const int i = rec - 778;
    for (int half = 0; half < 2; ++half) {
      r.OwnLikeNames[i + 15 * half] = columns(line, kOwnLike[half].from, kOwnLike[half].to);
      r.OwnDislikeNames[i + 15 * half] = columns(line, kOwnDislike[half].from, kOwnDislike[half].to);
    }
  }
}

// Dining codes, the select mark, pictures and the hydration fields.
void readDiningAndHydration(ResidentRecord& r, const ResidentFileView& f, const ResidentLoadOptions& options) {
  for (int meal = 1; meal <= 3; ++meal) r.DiningCode[meal] = upper(f.text(kDining[meal]));
  r.SelectResident = f.at(kSelect) != ' ';
  if (options.ClipArt) {
    for (int k = 1; k <= 4; ++k) r.ClipArt[k] = f.number(kClipArt[k], r.ClipArt[k]);
  }
  r.Hydrate = rtrim(f.text(kHydrate));
  for (int meal = 1; meal <= 3; ++meal) r.HydrateAt[meal] = rtrim(f.text(kHydrateAt[meal]));
  r.StiPicture = f.number(kStiPicture, r.StiPicture);

  // Default-initialised, not "{}": clang 14 crashes on value-initialised
  // arrays of strings here.
  std::array<std::array<std::string, 5>, 4> byMeal;
  for (int line = 1; line <= 4; ++line) {
    const std::string_view rec = f.record(kHydrationLinesFirst + line - 1);
    for (int meal = 1; meal <= 3; ++meal)
      byMeal[meal][line] = columns(rec, kHydrationColumn[meal], kHydrationColumn[meal] + 24);
  }
  r.HydrateLines = arrangeBySlots(byMeal, options.MealOrder);
}

// Likes, dislikes, isolation and allergies from the flag records, named by
// the resident's own table or the facility's; without a name table none is
// listed.
void readLikesAndDislikes(ResidentRecord& r, const ResidentFileView& f, const ResidentLoadOptions& options) {
  ListsByMeal likes, dislikes;
  std::array<int, 4> likesLost{}, dislikesLost{};
  for (int meal = 1; meal <= 3; ++meal) likes[meal][1] = kLikesHeading;

  const bool haveNames = options.names && options.names->loaded;
  bool listsStandardNames = false;
  if (haveNames) {
    const auto& likeNames = r.OwnNameTable ? r.OwnLikeNames : options.names->LikeNames;
    const auto& dislikeNames = r.OwnNameTable ? r.OwnDislikeNames : options.names->DislikeNames;

    int next = 2;
    for (int i = 1; i <= 30; ++i) {
      if (!f.flag(kLikeFlagsRecord, i)) continue;
      // Like number 5 is the facility's "large portions".
      if (i == 5) r.diet.LargePortion = 1;
      putItem(likes, likesLost, next, likeNames[i], kLikeElsewhere);
      listsStandardNames = !r.OwnNameTable;
      if (next < kLastListLine) ++next;
    }

    r.ExcludeMode = f.at(kExcludeMode) == 'E';

    // The standard table keeps isolation and allergies in dislikes 1 and 2;
    // an own table keeps them in 29 and 30.
    const int isolationFlag = r.OwnNameTable ? 29 : 1;
    r.Isolation = f.flag(kDislikeFlagsRecord, isolationFlag);
    r.Allergies = f.flag(kDislikeFlagsRecord, isolationFlag + 1);
    for (int meal = 1; meal <= 3; ++meal) dislikes[meal][1] = r.ExcludeMode ? kExcludeHeading : kDislikesHeading;

    next = 2;
    const int firstDislike = r.OwnNameTable ? 1 : 3;
    for (int i = firstDislike; i <= firstDislike + 27; ++i) {
      if (!f.flag(kDislikeFlagsRecord, i)) continue;
      putItem(dislikes, dislikesLost, next, dislikeNames[i], kDislikeElsewhere);
      listsStandardNames = !r.OwnNameTable;
      if (next < kLastListLine) ++next;
    }
  }
  // Names from a damaged standard table may be another's: a card that lists
  // any (a dislike may be an allergy) says so.
  if (listsStandardNames && !options.names->damage.empty())
    r.noteSharedDamage(options.names->path, options.names->damage);
  const std::string& order = options.MealOrder;
  r.Likes = arrangeBySlots(likes, order);
  r.Dislikes = arrangeBySlots(dislikes, order);
  r.LikesLost = arrangeBySlots(likesLost, order);
  r.DislikesLost = arrangeBySlots(dislikesLost, order);
}

// Room, name (abbreviated under the privacy setting), menu letters, the
// diet text and codes, and the texture lines the diet is classified by.
void readNameAndDiet(ResidentRecord& r, const ResidentFileView& f, const ResidentLoadOptions& options) {
  const char hospital = f.at(kHospitalOrOut);
  r.HospitalOrOut = hospital == 'H' || hospital == 'O';

  r.Room = trim(f.text(kRoom));
  std::string name = trim(f.text(kName));
  if (options.Hipaa == 1 || options.Hipaa == 3 || options.Hipaa == 4) name = abbreviatedName(name);
  r.NameLine = r.Room + " " + name;

  r.MenuLetters = upper(f.text(kMenuLetters));

  r.Diet.clear();
  for (int k = 1; k <= 4; ++k) r.Diet += trim(f.text(kDietPart[k])) + (k < 4 ? " " : "   ");
  for (int k = 1; k <= 4; ++k) r.DietCode[k] = f.number(kDietCode[k], r.DietCode[k]);
  if (r.DietCode[4] < 0) r.ColorCode = r.DietCode[4];
  ClassifyDiet(r.Diet, r.diet);

  for (int rec = kTextureFirst; rec <= kTextureLast; ++rec) ScanTexture(f.record(rec), r.diet);
}

void readSpecialInstructions(ResidentRecord& r, const ResidentFileView& f, const std::string& order) {
  r.SpecialLineCount = 6;
  std::array<std::array<std::string, 8>, 4> byMeal;
  for (int meal = 1; meal <= 3; ++meal) {
    for (int line = 1; line <= 6; ++line) {
      const std::string cleaned = cleanSpecialInstruction(std::string(f.record(kSpecialFirst[meal] + line - 1)), r.diet);
      byMeal[meal][line] = columns(cleaned, 2, 33);
    }
  }
  r.SpecialInstructions = arrangeBySlots(byMeal, order);
}

}  // namespace

void LoadResident(ResidentRecord& r, DietFile& dietFile, const DriveMap& drives, const Facility& facility,
                  const ResidentLoadOptions& options) {
  if (r.Loaded) return;

  // Everything of the previous resident goes, so that nothing of it can
  // reach this resident's card when a field cannot be read. Thickened is
  // the print run's to clear.
  {
    ResidentRecord fresh;
    fresh.ResidentFile = std::move(r.ResidentFile);
    fresh.diet.Thickened = r.diet.Thickened;
    r = std::move(fresh);
  }
  r.Loaded = true;

  const std::string path = residentDataPath(facility, r.ResidentFile);
  RecordFile file = drives.readRecords(path, kRecordLength);
  if (!file.exists() && !file.tooLarge()) {
    r.NameLine = std::string(30, ' ');
    r.Diet = std::string(30, ' ');
    r.ResidentPath.clear();
    return;
  }
  r.ResidentPath = path;
  r.Damage = residentFileDamage(file);
  r.FieldsMisplaced = !r.Damage.empty() && r.Damage == residentFieldDamage(file);
  // The backup is the last good copy: a damaged file must not replace it.
  if (options.Backup) {
    if (r.Damage.empty()) BackupResidentFile(drives, facility, r.ResidentFile);
    BackupCommentFile(drives, facility, r.ResidentFile);
  }

  const ResidentFileView f(std::move(file));
  r.FeedingSkill = f.number(kFeedingSkill, r.FeedingSkill);
  readOwnNameTable(r, f);
  readDiningAndHydration(r, f, options);
  readLikesAndDislikes(r, f, options);
  readNameAndDiet(r, f, options);
  readSpecialInstructions(r, f, options.MealOrder);
  LoadDietFile(r, dietFile, drives, facility, options.AltFacCode);
}

}  // namespace mc
