#include "settings/settings_file.h"

#include "data/record_shape.h"

#include <optional>

#include "data/data_file_names.h"
#include "data/meal_order.h"
#include "data/meal_slots.h"
#include "data/text.h"
#include "settings/printer_selection.h"
#include "settings/settings_layout.h"

namespace mc {

// Each record is read, changed in memory and written back whole at its own
// position; a save writes all of its records in one rewrite of the file.
// Another set, the unused records 7, 18 and 19, anything past record 21 and
// every column a procedure does not write keep their bytes, and a save cut
// short by a file error leaves the file as it was.

namespace {

using layout::Field;
using layout::Rule;
using layout::Target;

constexpr const char* kDefaultButtonName[7] = {"",         "Set For &All", "Option 2", "Option 3",
                                               "Option 4", "Option 5",     "Option 6"};
// The options that exclude each other on the window (User cards, Option3,
// stands on its own).
constexpr int kCardKindOptions[] = {1, 2, 4, 5, 6};
// Colours above this are not RGB values; the window could not show them.
constexpr double kLargestColor = 0xFFFFFF;

// Records of one file, read once and written back in place; a record read
// after it was written is the record as written.
class RecordStore {
 public:
  RecordStore(const DriveMap& drives, std::string path, int length)
      : drives_(drives), path_(std::move(path)), length_(length),
        file_(drives.readRecords(path_, length)) {}

  std::string record(long n) const { return file_.record(n); }
  bool put(long n, const std::string& rec) {
    if (!drives_.writeRecord(path_, length_, n, rec)) return false;
    file_.put(n, rec);
    return true;
  }
  // Record n changed in memory only, until commit() writes every staged
  // record in one rewrite of the file: a save is one write, not one per
  // record, and after a failure the file holds none of them.
  void stage(long n, const std::string& rec) {
    file_.put(n, rec);
    staged_[n] = rec;
  }
  bool commit() {
    if (staged_.empty()) return true;
    const bool ok = drives_.writeRecords(path_, length_, staged_);
    staged_.clear();
    return ok;
  }
  // Blanks record n on disk and gives it back as now stored.
  bool blank(long n, std::string& rec) {
    if (!put(n, std::string(length_, ' '))) return false;
    rec = record(n);
    return true;
  }

 private:
  const DriveMap& drives_;
  std::string path_;
  int length_;
  RecordFile file_;
  RecordsByNumber staged_;
};

int wholeNumber(double v) {
  const double r = roundHalfEven(v);
  if (r < -32768 || r > 32767) return 0;
  return static_cast<int>(r);
}

bool inRange(double v, int lo, int hi) { return v >= lo && v <= hi; }

// ---- Loading ----

std::string boxText(const Field& f, const std::string& raw, double v, const SettingsModel& m) {
  switch (f.rule) {
    case Rule::Stored: return raw;
    case Rule::StoredOrZero: return v == 0 ? f.fallback : raw;
    case Rule::AsRead: return bareNumber(v);
    case Rule::Range:
      if (!inRange(v, f.lo, f.hi)) return f.fallback;
      return f.code == FieldCode::Ttrim ? trim(raw) : bareNumber(v);
    case Rule::ZeroDefault: return v == 0 ? f.fallback : bareNumber(v);
    case Rule::Below: return v < 0.1 ? f.fallback : bareNumber(v);
    case Rule::Plain: return f.code == FieldCode::Ttrim ? trim(raw) : raw;
    case Rule::FirstDay: return inRange(v, 1, 999) ? trim(raw) : m.Text[5];
    case Rule::FirstPlace:
      return v < fieldNumber(m.Text[7]) || v < 1 ? m.Text[7] : raw;
    case Rule::ClipArt: {
      std::string t = rtrim(raw);
      return !t.empty() && static_cast<unsigned char>(t[0]) < 33 ? std::string() : t;
    }
    case Rule::RightTrim: return rtrim(raw);
    case Rule::OnlyOne:
    case Rule::NonZero: break;
  }
  return raw;
}

int checkValue(const Field& f, double v) {
  const int c = wholeNumber(v);
  switch (f.rule) {
    case Rule::OnlyOne: return c == 1 ? 1 : 0;
    case Rule::NonZero: return c != 0 ? 1 : 0;
    default: return c;
  }
}

void chooseOption(SettingsModel& m, int no) {
  for (int k : kCardKindOptions) m.Option[k] = false;
  m.Option[no] = true;
  switch (no) {
    case 1: m.CardKind = 3; break;
    case 2: m.CardKind = 2; break;
    case 4:
    case 6: m.CardKind = 1; break;
    case 5: m.CardKind = 2; break;
    default: break;
  }
}

// Applies one field of a record (already free of zero bytes) to the model.
void applyField(const Field& f, const std::string& rec, SettingsModel& m) {
  const std::string raw = columns(rec, f.from, f.to);
  const double v = fieldNumber(raw);
  switch (f.target) {
    case Target::Text: m.Text[f.index] = boxText(f, raw, v, m); break;
    case Target::Check: m.Check[f.index] = checkValue(f, v); break;
    case Target::Option: {
      const bool chosen = optionChosen(raw[0]);
      if (f.index == 3) m.Option[3] = chosen;
      else if (chosen) chooseOption(m, f.index);
      else m.Option[f.index] = false;
      break;
    }
    case Target::List2: {
      const int n = wholeNumber(v);
      m.List2 = inRange(n, f.lo, f.hi) ? n : 0;
      break;
    }
    case Target::StripChoice: {
      const int n = wholeNumber(v);
      m.StripChoice[f.index] = inRange(n, f.lo, f.hi) ? n : f.fallback[0] - '0';
      break;
    }
    case Target::FormColor:
    case Target::FirstColor:
    case Target::SecondColor: {
      // 0 and the negative system colours are not applied: the control keeps
      // the colour it has.
      if (v <= 0 || v > kLargestColor) break;
      const auto color = static_cast<int32_t>(v);
      if (f.target == Target::FormColor) m.FormBackColor = color;
      else if (f.target == Target::FirstColor) m.FirstControlColor = color;
      else m.SecondControlColor = color;
      break;
    }
    case Target::PrinterName: break;  // chosen against the installed printers after the load
  }
}

std::string mealOrderOf(const std::string& text) {
  const MealOrder order = MealOrder::parse(text);
  return order.byMeal() ? "BBBLLLSSS" : order.text();
}

void applySetRecord(const std::string& rec, const Facility& facility, SettingsModel& m) {
  const bool keepRanges = m.CallMode == callmode::Reload;
  const bool startupRanges = m.CallMode == callmode::Startup;
  for (const Field& f : layout::setRecord()) {
    const bool rangeBox = f.target == Target::Text && f.index <= 8;
    if (rangeBox && keepRanges) continue;
    if (rangeBox && startupRanges && f.index <= 4) continue;
    applyField(f, rec, m);
  }
  if (startupRanges) {
    m.Text[1] = m.Text[2] = bareNumber(facility.defaultUnit);
    m.Text[3] = m.Text[4] = bareNumber(facility.defaultResident);
  }

  const auto chosen = [&](int col) { return optionChosen(column(rec, col)); };
  m.PseudoSelect = chosen(25);
  m.AlfMenus = chosen(296);
  m.UserCards = chosen(34);

  // Check2 shows only 0 or 1, but the run's switch takes whatever digit is
  // stored; forcing the dining location (Check3) turns the switch on too.
  m.ByDiningLocation = fieldNumber(columns(rec, 27, 27)) != 0 || m.Check[3] == 1;
  // The label marker follows Check3 both ways, so that unticking it stops
  // the forced dining location without a restart.
  m.DiningLabelMarker = m.Check[3] == 1;
  m.LoopStep = m.Check[18] == 1 ? -1 : 1;
  if (m.Check[21] == 1) m.Check[22] = 0;
  m.SymbolSuffix = m.Check[27] == 1 ? "S" : "";

  // The run picks the ALF meal again per resident; the load only records the
  // last ticked box, so that a stale meal of an earlier set cannot linger.
  m.AlfMealNo = 0;
  for (int k = 1; k <= 3; ++k)
    if (m.Check[28 + k] == 1) m.AlfMealNo = k;
  m.AlfMealName = m.AlfMenus ? kMealNames[m.AlfMealNo] : "";

  m.MealOrder = mealOrderOf(m.Text[20]);
  if (m.Option[6] || m.Option[4]) {
    m.MealOrder.clear();
    m.Text[20].clear();
  }

  for (int i = 1; i <= 4; ++i) {
    m.StripColor[i] = stripColor(m.StripChoice[i]);
    m.Label[12 + i].BackColor = m.StripColor[i];
  }
}

// The ALF banner, border and watermark pictures: ".jpg" when present, else
// the scrambled ".asz"; "" when there is neither.
std::string findPicture(const DriveMap& drives, const Facility& facility, const char* stem, int n) {
  const std::string base = facility.folder(35) + "\\vod\\" + stem + bareNumber(n);
  for (const char* ext : {".jpg", ".asz"})
    if (drives.fileExists(base + ext)) return base + ext;
  return {};
}

void loadPictures(const DriveMap& drives, const Facility& facility, SettingsModel& m) {
  const int banner = wholeNumber(fieldNumber(m.Text[30]));
  const int border = wholeNumber(fieldNumber(m.Text[31]));
  const int watermark = wholeNumber(fieldNumber(m.Text[33]));
  m.BannerPicture = inRange(banner, 1, 99) ? findPicture(drives, facility, "Ban", banner) : "";
  m.BorderPicture = inRange(border, 1, 99) ? findPicture(drives, facility, "BD", border) : "";
  m.WatermarkPicture = watermark >= 1 ? findPicture(drives, facility, "wm", watermark) : "";
}

void applySharedRecord(const std::string& rec, SettingsModel& m) {
  for (const Field& f : layout::sharedRecord()) applyField(f, rec, m);
  m.SelectWatermarkMode = m.Check[43] == 1 ? 2 : m.Check[42];
}

void applyDotRecord(const std::string& rec, LabelState& label) {
  // A blank caption keeps the label's own, so that a reset cannot leave a
  // dot without its name.
  const std::string text = trim(columns(rec, layout::kDotTextFrom, layout::kDotTextTo));
  if (!text.empty() && static_cast<unsigned char>(text[0]) > 32) label.Caption = text;
  const double color = fieldNumber(columns(rec, layout::kDotColorFrom, layout::kDotColorTo));
  if (color > 0 && color <= kLargestColor) label.BackColor = static_cast<int32_t>(color);
}

void syncOverlay(SettingsModel& m) {
  EasyOverlayState& o = m.Overlay;
  o.DateVisible = m.Check[12] == 1;
  if (!trim(m.Text[20]).empty()) {
    o.Text1 = m.Text[20];
    o.MealOrderVisible = true;
  }
  o.DaysVisible = m.Option[1];
  if (o.DaysVisible) {
    o.Text2 = m.Text[5];
    o.Text3 = m.Text[6];
  }
}

// ---- Saving ----

void writeField(const Field& f, std::string& rec, const SettingsModel& m) {
  Encoded e;
  switch (f.target) {
    case Target::Text: e = encodeText(m.Text[f.index], f.code); break;
    case Target::Check: e = encodeNumber(m.Check[f.index], f.code); break;
    case Target::Option: e.text = encodeOption(m.Option[f.index]); break;
    case Target::List2: e = encodeNumber(m.List2, f.code); break;
    case Target::PrinterName: e = encodeText(m.PrinterName, f.code); break;
    case Target::StripChoice: e = encodeNumber(m.StripChoice[f.index], f.code); break;
    case Target::FormColor: e = encodeNumber(m.FormBackColor, f.code); break;
    case Target::FirstColor: e = encodeNumber(m.FirstControlColor, f.code); break;
    case Target::SecondColor: e = encodeNumber(m.SecondControlColor, f.code); break;
  }
  if (e.written) putColumns(rec, f.from, f.to, e.text);
}

void putHeader(std::string& rec, const SettingsModel& m) {
  putColumns(rec, layout::kActiveSetFrom, layout::kActiveSetTo,
             encodeNumber(m.CurrentSet, FieldCode::N).text);
  for (int i = 1; i <= layout::kSetCount; ++i) {
    const int from = layout::kButtonNameFrom + (i - 1) * layout::kButtonNameWidth;
    putColumns(rec, from, from + layout::kButtonNameWidth - 1, m.SetButtonName[i]);
  }
}

// Leaves CurrentSet at 1 however a save ends, as every caller expects.
struct SetOneOnExit {
  SettingsModel& m;
  ~SetOneOnExit() { m.CurrentSet = 1; }
};

struct GuardWhileLoading {
  SettingsModel& m;
  explicit GuardWhileLoading(SettingsModel& model) : m(model) { m.LoadingGuard = -909; }
  ~GuardWhileLoading() { m.LoadingGuard = 0; }
};

}  // namespace

std::string SettingsFile::path() const {
  return facility_.folder(23) + "\\setup\\Mcardset." + facility_.FacCode;
}

// The menu-set file is named "MenuSet." and "menuset." by the programs
// that use it; both are one file on a case-blind file system.
std::string SettingsFile::menuSetPath() const { return mc::menuSetPath(facility_); }

std::string SettingsFile::damage() const {
  if (!drives_.exists(path())) return {};
  if (const std::string why = drives_.absence(path()); !why.empty()) return why;
  const RecordFile file = drives_.readRecords(path(), kRecordLength);
  if (file.tooLarge()) return "is larger than any settings file: not read";
  if (!file.readError().empty()) return file.readError();
  const std::string_view bytes = file.bytes();
  if (bytes.empty()) return "is empty";
  if (std::string length = recordLengthDamage(bytes, {kRecordLength}); !length.empty()) return length;
  // NUL bytes are blanks to the load (a record extended on disk reads so);
  // any other control byte is a line end or binary that shifts the fields.
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c != 0 && c < 32)
      return "holds line ends or control bytes (record " + std::to_string(i / kRecordLength + 1) + ")";
  }
  const std::string header = blankZeroBytes(file.record(layout::kHeaderRecord));
  const std::string set = trim(columns(header, layout::kActiveSetFrom, layout::kActiveSetTo));
  if (!set.empty() && !inRange(wholeNumber(fieldNumber(set)), 1, layout::kSetCount))
    return "names no settings set 1 to 6 as the active one (\"" + set + "\")";
  return {};
}

void SettingsFile::GetSet(SettingsModel& m) const {
  // The guard also comes down when a file error ends the load early, or the
  // bottom note would never save again.
  GuardWhileLoading guard(m);
  const bool reset = m.ResetPending == 1;

  m.AltFacCode.clear();
  if (drives_.fileExists(menuSetPath())) {
    RecordStore menuSet(drives_, menuSetPath(), layout::kMenuSetRecordLength);
    std::string rec = menuSet.record(layout::kMenuSetRecord);
    if (reset && !menuSet.blank(layout::kMenuSetRecord, rec)) return;
    const std::string code = columns(rec, 86, 88);
    const auto first = static_cast<unsigned char>(code[0]);
    if (first >= 32 && first <= 127) m.AltFacCode = upper(trim(code));
  }
  m.NoLeg = drives_.fileExists(facility_.folder(23) + "\\setup\\NoLeg");

  std::string storedPrinter = padCut(m.PrinterName, kStoredPrinterWidth);
  if (drives_.fileExists(path())) {
    RecordStore file(drives_, path(), kRecordLength);
    const std::string header = blankZeroBytes(file.record(layout::kHeaderRecord));
    const int set = wholeNumber(fieldNumber(columns(header, layout::kActiveSetFrom, layout::kActiveSetTo)));
    m.CurrentSet = static_cast<int16_t>(inRange(set, 1, layout::kSetCount) ? set : 1);
    for (int i = 1; i <= layout::kSetCount; ++i) {
      const int from = layout::kButtonNameFrom + (i - 1) * layout::kButtonNameWidth;
      m.SetButtonName[i] = columns(header, from, from + layout::kButtonNameWidth - 1);
      const auto first = static_cast<unsigned char>(m.SetButtonName[i][0]);
      m.SetButtonCaption[i] = first >= 33 && first <= 127 ? m.SetButtonName[i] : kDefaultButtonName[i];
    }
    m.Caption = " [" + facility_.SiteCode + " ] Fac:" + m.AltFacCode + " Set:" +
                bareNumber(m.CurrentSet) + ":" + kProgramTitle;

    std::string rec = m.CurrentSet >= 2 ? file.record(m.CurrentSet) : file.record(layout::kHeaderRecord);
    if (reset) {
      if (!file.blank(m.CurrentSet, rec)) return;
      putColumns(rec, 22, 22, "1");  // Tray Cards
    }
    rec = blankZeroBytes(rec);
    applySetRecord(rec, facility_, m);
    storedPrinter = columns(rec, 60, 89);
    loadPictures(drives_, facility_, m);

    auto shared = [&](long n) -> std::optional<std::string> {
      std::string r = file.record(n);
      if (reset && n != layout::kNoteRecord && !file.blank(n, r)) return std::nullopt;
      return blankZeroBytes(r);
    };
    auto r8 = shared(layout::kSharedRecord);
    if (!r8) return;
    applySharedRecord(*r8, m);
    for (int i = 0; i < 9; ++i) {
      auto r = shared(layout::kFirstDotRecord + i);
      if (!r) return;
      applyDotRecord(*r, m.Label[layout::kDotLabelOrder[i]]);
    }
    auto r20 = shared(layout::kTitleRecord);
    if (!r20) return;
    m.Text[34] = bareNumber(fieldNumber(columns(*r20, layout::kTitleSizeFrom, layout::kTitleSizeTo)));
    m.Check[36] = fieldNumber(columns(*r20, layout::kBottomWatermarkCol, layout::kBottomWatermarkCol)) != 0 ? 1 : 0;
    auto r21 = shared(layout::kNoteRecord);
    m.Text[36] = columns(*r21, layout::kNoteFrom, layout::kNoteTo);
  }

  selectPrinter(storedPrinter, m);
  syncOverlay(m);
}

void SettingsFile::SaveSet(SettingsModel& m) const {
  SetOneOnExit setOne{m};
  RecordStore file(drives_, path(), kRecordLength);

  std::string rec = file.record(layout::kHeaderRecord);
  putHeader(rec, m);
  file.stage(layout::kHeaderRecord, rec);

  // Only the six set records may take a set: a number above 6 would
  // overwrite the shared records.
  const int set = inRange(m.CurrentSet, 1, layout::kSetCount) ? m.CurrentSet : 1;
  rec = file.record(set);
  for (const Field& f : layout::setRecord()) {
    if (f.ranges && m.SaveRanges != 1) continue;
    writeField(f, rec, m);
  }
  putHeader(rec, m);
  const int category = wholeNumber(fieldNumber(columns(rec, 30, 31)));
  m.List2 = inRange(category, 1, 13) ? category : 0;
  file.stage(set, rec);

  rec = file.record(layout::kSharedRecord);
  for (const Field& f : layout::sharedRecord()) writeField(f, rec, m);
  file.stage(layout::kSharedRecord, rec);

  for (int i = 0; i < 9; ++i) {
    const LabelState& label = m.Label[layout::kDotLabelOrder[i]];
    rec = file.record(layout::kFirstDotRecord + i);
    putColumns(rec, layout::kDotTextFrom, layout::kDotTextTo, label.Caption);
    putColumns(rec, layout::kDotColorFrom, layout::kDotColorTo,
               encodeNumber(label.BackColor, FieldCode::C).text);
    file.stage(layout::kFirstDotRecord + i, rec);
  }

  rec = file.record(layout::kTitleRecord);
  putColumns(rec, layout::kTitleSizeFrom, layout::kTitleSizeTo, encodeText(m.Text[34], FieldCode::P).text);
  putColumns(rec, layout::kBottomWatermarkCol, layout::kBottomWatermarkCol,
             encodeNumber(m.Check[36], FieldCode::F).text);
  file.stage(layout::kTitleRecord, rec);

  rec = file.record(layout::kNoteRecord);
  putColumns(rec, layout::kNoteFrom, layout::kNoteTo, m.Text[36]);
  file.stage(layout::kNoteRecord, rec);
  file.commit();
}

void SettingsFile::SetSetNo(const SettingsModel& m) const {
  RecordStore file(drives_, path(), kRecordLength);
  std::string rec = file.record(layout::kHeaderRecord);
  putColumns(rec, layout::kActiveSetFrom, layout::kActiveSetTo, encodeNumber(m.CurrentSet, FieldCode::N).text);
  file.put(layout::kHeaderRecord, rec);
}

}  // namespace mc
