#include "data/meal_lines.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_map>

#include "data/data_file_names.h"
#include "data/meal_portions.h"
#include "data/text.h"

namespace mc {

namespace {

constexpr const char* kMealCodes[] = {"", "BK", "LH", "SP"};
constexpr int kLastItem = 810;
constexpr int kLastSubstitute = 809;
constexpr int kFieldWidth = 25;
constexpr int kMechSoftApproval = 56;
constexpr int kSubstituteColumns[] = {38, 42, 46, 50};
constexpr unsigned char kAlternateStop = 205;
const std::string kBlankText(kFieldWidth, ' ');

bool blank(std::string_view text) { return trim(text).empty(); }
bool selector(int v) { return v >= 1 && v <= 7; }

// Approval mark j (1..19) of an item: positions beyond the fifteen the
// item file holds count as blank.
char approvalMark(std::string_view item, int j) { return j <= 15 ? column(item, 54 + 2 * (j - 1)) : ' '; }

class MealBuilder {
 public:
  MealBuilder(const ResidentRecord& r, const FixedTables& t, const Facility& f, MenuFiles& files,
              const MealLineRequest& q)
      : r_(r), t_(t), f_(f), files_(files), q_(q) {}

  void build(MealLines& out, int meal);

 private:
  bool mealCard() const { return q_.kind == MenuKind::MealCard; }
  // Assisted-living menus are printed as meal cards: a replaced food shows
  // its notice on both.
  bool printsNotices() const { return q_.kind == MenuKind::MealCard || q_.kind == MenuKind::Alf; }
  bool alf() const { return q_.kind == MenuKind::Alf; }
  // Select menus offer every item; pseudo select is one too.
  bool selectMenu() const { return q_.kind == MenuKind::Select || q_.kind == MenuKind::PseudoSelect; }

  // The files are asked for by every line of every meal: each is named and
  // looked up once per card.
  const RecordFile& menuFile(int fileNumber) {
    const RecordFile*& file = menus_[static_cast<size_t>(fileNumber)];
    if (!file) file = &files_.file(menuFilePath(f_, t_.MenuCode, q_.MenuDay, fileNumber), MenuFiles::kMenuRecordLength);
    return *file;
  }
  const RecordFile& itemFile(const std::string& category) {
    const RecordFile*& file = items_[category];
    if (!file) file = &files_.file(itemFilePath(f_, category), MenuFiles::kItemRecordLength);
    return *file;
  }
  std::string variantField(std::string_view record, int v) const {
    return padCut(columns(record, t_.VariantColumn[v], t_.VariantColumn[v] + kFieldWidth - 1), kFieldWidth);
  }
  std::string itemText(const std::string& record, int item, int variant, bool starred);
  bool approved(std::string_view item) const;
  bool letterCodesReplace(std::string_view item, std::string_view category, std::string& text) const;
  std::string alternate(const RecordFile& file, int from, const char* mark, bool& found) const;
  void put(MealLines& out, int meal, int& n, const std::string& text, const std::string& label);

  const ResidentRecord& r_;
  const FixedTables& t_;
  const Facility& f_;
  MenuFiles& files_;
  const MealLineRequest& q_;
  std::array<const RecordFile*, 8> menus_{};  // by selector 1..7
  std::unordered_map<std::string, const RecordFile*> items_;
};

void MealBuilder::put(MealLines& out, int meal, int& n, const std::string& text, const std::string& label) {
  out.MealText[meal][n] = text;
  out.MealLabel[meal][n] = label;
  out.LineCount[meal] = std::max(out.LineCount[meal], n);
  // A meal longer than the card keeps its last line overwritten rather than
  // spilling past the list.
  n = std::min(n + 1, MealLines::kLastLine);
}

// The item lookup for one menu record: the text the line prints, or blanks
// when the food is not served on this card.
std::string MealBuilder::itemText(const std::string& record, int item, int variant, bool starred) {
  const char flag = column(record, 4);
  if (flag != ' ' && t_.OmitFlags.find(flag) != std::string::npos) return kBlankText;
  const std::string category = trim(columns(record, 6, 13));
  if (alf() && startsWith(upper(category), "CONDIMN")) return kBlankText;
  if (category.empty()) return kReviewNoCategory;
  if (category.find('*') != std::string::npos) return kBlankText;
  const RecordFile& items = itemFile(category);
  if (!items.exists()) return kReviewNoItemFile;
  const std::string_view food = items.view(item);

  std::string text;
  if (r_.diet.MechSoft && column(food, kMechSoftApproval) == ' ') {
    for (int col : kSubstituteColumns) {
      const double sub = leadingNumber(columns(food, col, col + 2));
      if (sub < 1 || sub > kLastSubstitute) continue;
      const std::string_view substitute = items.view(static_cast<long>(sub));
      // A substitute must be soft enough and, like any food, allowed by the
      // diet: a ground sausage is no food for a pureed or salt-restricted
      // resident just because it is soft.
      if (column(substitute, kMechSoftApproval) == ' ' || !approved(substitute)) continue;
      text = padCut(columns(substitute, 12, 36), kFieldWidth);
      // The substitute is served in the item's place: a letter code of
      // either one still keeps the food off the card.
      std::string notice;
      if (letterCodesReplace(food, category, notice) || letterCodesReplace(substitute, category, notice))
        return printsNotices() ? notice : kBlankText;
      return text;
    }
  }

  const bool ok = approved(food);
  text = ok ? variantField(record, variant) : kBlankText;
  if (ok && starred && selectMenu()) {
    const size_t run = text.find("   ");
    text[run == std::string::npos ? kFieldWidth - 1 : run] = '*';
  }
  if (letterCodesReplace(food, category, text) && !printsNotices()) return kBlankText;
  return text;
}

// An item is approved for the resident's diets when it carries the mark of
// every position that the diets' markers set.
bool MealBuilder::approved(std::string_view item) const {
  for (int j = 1; j <= 19; ++j)
    if (static_cast<size_t>(j) <= r_.DietMask.size() && r_.DietMask[j - 1] != ' ' && approvalMark(item, j) == ' ')
      return false;
  return true;
}

// The item's letter codes against the resident's menu letters: a match
// replaces the text by the notice the kitchen knows it by. A resident's
// letter "7" also matches an item coded "H".
bool MealBuilder::letterCodesReplace(std::string_view item, std::string_view category, std::string& text) const {
  const std::string letters = upper(r_.MenuLetters);
  bool replaced = false;
  for (int col = 131; col <= 134; ++col) {
    const char c = upperChar(column(item, col));
    if (c == ' ') continue;
    const bool match = letters.find(c) != std::string::npos || (c == 'H' && letters.find('7') != std::string::npos);
    if (!match) continue;
    replaced = true;
    text = "ALTERNATE " + std::string(category);
    if (c == 'E') text = " DISLIKES EGGS ";
    if (c == 'X') text = "FL/R-SPECIAL INSTRUCTIONS ";
    if (c == 'Y') text = "SUGAR SUB ";
  }
  return replaced;
}

// The alternate of a pseudo select menu: the first record from `from` on
// that is marked with `mark` ("ALT MT:" or "ALT VG:") before the stop mark.
std::string MealBuilder::alternate(const RecordFile& file, int from, const char* mark, bool& found) const {
  for (int r = from; r <= t_.MenuLineCount; ++r) {
    const std::string_view rec = file.view(r);
    if (static_cast<unsigned char>(column(rec, 19)) == kAlternateStop) break;
    if (columns(rec, 19, 25) == mark) {
      found = true;
      return columns(rec, 26, 43);
    }
  }
  return {};
}

void MealBuilder::build(MealLines& out, int meal) {
  int n = 1;
  int reduction = 0;
  if (r_.diet.Puree) put(out, meal, n, kPureedBanner, std::string(13, ' '));
  if (r_.diet.MechSoft) put(out, meal, n, kMechSoftBanner, std::string(13, ' '));
  bool meatAlternate = false, vegetableAlternate = false;

  for (int rec = t_.MealLines[meal][1]; rec <= t_.MealLines[meal][2]; ++rec) {
    for (int k = 1; k <= 4; ++k) {
      const int s1 = r_.DietMatrix[k][1], s2 = r_.DietMatrix[k][2];
      if (!selector(s1) || !selector(s2)) continue;
      const RecordFile& file = menuFile(s1);
      std::string record = file.record(rec);
      if (q_.ExcludeW && upperChar(column(record, 4)) == 'W') continue;
      out.MealLabel[meal][n] = columns(record, 1, 13);
      if (columns(record, 2, 3) != kMealCodes[meal]) continue;
      const bool starred = column(record, 4) == '*' || alf();
      // Pseudo select offers the house menu and its alternates only.
      if ((mealCard() || q_.kind == MenuKind::PseudoSelect) && !starred) continue;
      // The house menu marks reductions of the bread and starch portions
      // on the lines that cause them; they are not part of the food's text.
      const int markers = mealCard() && starred ? takeReductionMarkers(record) : 0;

      const double item = leadingNumber(variantField(record, s2).substr(0, 3));
      // A select menu keeps the place of a food the resident cannot have,
      // and goes on to the next diet code, whose variant may offer one.
      if (item == 0 && selectMenu()) {
        put(out, meal, n, out.MealText[meal][n], columns(record, 1, 13));
        continue;
      }
      if (item < 1 || item > kLastItem) continue;
      std::string text = itemText(record, static_cast<int>(item), s2, starred);
      if (blank(text)) {
        if (selectMenu()) put(out, meal, n, text, columns(record, 1, 13));
        continue;
      }
      reduction += markers;
      if (mealCard() && r_.DietCodeMarked) {
        bool reduces = false;
        char multiplier = portionMultiplier(record, text, meal, q_.Portions[meal], reduces);
        if (reduces) multiplier = reduceMultiplier(multiplier, reduction);
        text = applyMultiplier(text, multiplier);
      }
      const std::string label = columns(record, 1, 13);
      put(out, meal, n, text, label);

      if (q_.kind == MenuKind::PseudoSelect) {
        const std::string category = upper(columns(record, 6, 11));
        for (auto [word, mark, found] : {std::tuple{"ENTREE", "ALT MT:", &meatAlternate},
                                         std::tuple{"VEGETA", "ALT VG:", &vegetableAlternate}}) {
          if (category != word || *found) continue;
          const std::string alt = alternate(file, rec, mark, *found);
          if (*found) put(out, meal, n, std::string(7, ' ') + alt, label);
        }
      }
      break;
    }
  }
}

}  // namespace

std::string lineCategory(const std::string& label) { return upper(columns(label, 6, 11)); }

MealLines LoadMealLines(const ResidentRecord& resident, const FixedTables& tables, const Facility& facility,
                        MenuFiles& files, const MealLineRequest& request) {
  MealLines out;
  const bool alf = request.kind == MenuKind::Alf;
  const auto prefill = [](std::vector<std::string>& lines) {
    lines.assign(MealLines::kLastLine + 1, std::string());
    for (int i = 1; i <= MealLines::kBlankLines; ++i) lines[i] = kBlankText;
  };
  for (int m = 1; m <= 3; ++m) {
    out.MealLabel[m].assign(MealLines::kLastLine + 1, std::string());
    if (alf)
      out.MealText[m].assign(MealLines::kLastLine + 1, std::string());
    else
      prefill(out.MealText[m]);
  }
  if (alf) prefill(out.AlfText);

  if (resident.DietMatrix[1][1] < 0 || !selector(resident.DietMatrix[1][2])) return out;
  MealBuilder builder(resident, tables, facility, files, request);
  for (int m = 1; m <= 3; ++m) {
    if (alf && m != request.AlfMealNo) continue;
    builder.build(out, m);
    if (!alf) continue;
    for (int i = 1; i <= 80; ++i) {
      const std::string& line = out.MealText[m][i];
      if (blank(line)) continue;
      out.AlfText[i] = line[0] == '>' ? line : "___" + line;
    }
    break;
  }
  return out;
}

}  // namespace mc
