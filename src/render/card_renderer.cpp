#include "render/card_renderer.h"

#include <algorithm>
#include <exception>
#include <string>

#include "data/text.h"
#include "render/alf_menu.h"
#include "render/diet_markers.h"
#include "render/pictures.h"
#include "render/meal_card.h"
#include "render/tray_card.h"
#include "settings/field_encoding.h"

namespace mc {

namespace {

constexpr const char* kReviewWarning = "Supervisor Review";

// A menu line that stands for a gap in the menu files: the card must be
// reviewed before it goes out.
bool needsReview(const MealLines& lines) {
  for (int m = 1; m <= 3; ++m)
    for (const std::string& line : lines.MealText[m])
      if (contains(line, kReviewWarning)) return true;
  return false;
}

void centred(Surface& s, const PageGeometry& g, int k, double y, std::string_view text,
             double offset = 0) {
  s.CurrentX = g.C[k] + (g.width(k) - s.TextWidth(text)) / 2 + offset;
  s.CurrentY = y;
  s.Print(text);
}

}  // namespace

CardRenderer::CardRenderer(const Facility& facility, const CardSettings& settings, Surface* printer,
                           Surface& screen)
    : facility_(facility), settings_(settings), printer_(printer), screen_(screen) {}

void CardRenderer::usePictures(const DriveMap& drives, PictureLoader& store) {
  pictures_.emplace(drives, facility_, store);
}

bool CardRenderer::drawsOnScreen(const DrawContext& ctx) const {
  return ctx.PreviewFlag || settings_.Check5;
}

std::vector<MealLineRequest> CardRenderer::menusFor(const DrawContext& ctx, const ResidentRecord& resident) const {
  if (resident.ResidentPath.empty() || !(drawsOnScreen(ctx) || printer_)) return {};
  const CardType type = cardType(settings_);
  if (type == CardType::Meal || type == CardType::Select) return {mealRequest(type, ctx, ctx.MenuDay)};
  if (type != CardType::Alf) return {};
  // The week's days are consecutive menu days from the card's own.
  std::vector<MealLineRequest> week;
  for (int d = 1; d <= kAlfWeekDays; ++d) week.push_back(mealRequest(type, ctx, ctx.MenuDay + d - 1));
  return week;
}

bool CardRenderer::DrawMenu(const DrawContext& ctx, const ResidentRecord& resident, std::span<const MealLines> menus) {
  if (resident.ResidentPath.empty()) return false;
  const bool screen = drawsOnScreen(ctx);
  Surface* surface = screen ? &screen_ : printer_;
  if (!surface) return false;
  const CardType type = cardType(settings_);
  CardPage page{*surface, facility_, settings_, resident, ctx, type, pageGeometry(settings_, type), screen};
  page.warn = Warn;
  // One build serves every column this call draws; a page whose columns
  // are different residents (meal order "BBB") is built per call.
  if ((type == CardType::Meal || type == CardType::Select) && !menus.empty()) {
    page.meals = &menus.front();
    reviewIfAny(menus.first(1));
  }
  const bool endsPage = type == CardType::Alf || ctx.MealToDraw == 3 || ctx.MealToDraw == 4;
  // The pictures of this call's resident, as the loaders find them now.
  if (pictures_) pictures_->LoadAll(resident, settings_);
  // One bad card must never stop a run: the page says which card failed
  // and the run goes on with the next one.
  std::string failure;
  try {
    drawCard(page, menus);
  } catch (const std::exception& e) {
    failure = std::string(kPrintErrorText) + ": " + e.what();
  } catch (...) {
    failure = kPrintErrorText;  // nothing more to say: it came without a description
  }
  if (!failure.empty()) {
    printError(page);
    // The reason goes to the run's warning, where the kitchen reads it;
    // the page itself carries the words of the error text only.
    if (Warn) Warn(failure);
    // A device that fails even here has nothing more to give for this
    // card; the run goes on with the next one, and says so.
    try {
      endPage(page);
    } catch (const std::exception& e) {
      if (Warn) Warn(std::string("the page of the failed card could not be ended: ") + e.what());
    } catch (...) {
      if (Warn) Warn("the page of the failed card could not be ended");
    }
    return true;
  }
  if (endsPage) endPage(page);
  return endsPage;
}

void CardRenderer::reviewIfAny(std::span<const MealLines> menus) {
  if (Warn && std::any_of(menus.begin(), menus.end(), needsReview)) Warn(kReviewWarning);
}

void CardRenderer::drawCard(const CardPage& page, std::span<const MealLines> menus) {
  if (page.startsPage()) startPage(page);
  // Filled areas first: text printed later stays readable over them.
  for (int k = 1; k <= 3; ++k) {
    if (!page.drawsColumn(k)) continue;
    paintColumnBackground(page, k);
    DrawStrips(page, k);
  }
  if (page.startsPage()) {
    DrawPageNumbers(page);
    DrawBottomNote(page);
    DrawDiningBoxes(page);
  }
  if (page.type == CardType::Alf) {
    paintAlfPictures(page);
    DrawAlfWeek(page, menus);
    reviewIfAny(menus);
  }
  for (int k = 1; k <= 3; ++k)
    if (page.drawsColumn(k)) drawColumn(page, k);
  DrawRules(page);
  drawBarCodes(page);
}

void CardRenderer::startPage(const CardPage& page) {
  Surface& s = page.s;
  const PageGeometry& g = page.geo;
  s.SetPaper(g.Legal ? kPaperLegal : kPaperLetter, kLandscape);
  s.FontName = kCardFont;
  s.FontBold = true;
  s.FontItalic = true;
  s.FontUnderline = false;
  s.DrawWidth = 5;
  paintWatermarks(page);

  s.DrawWidth = page.pen(5, 2);
  s.Line(g.C[1], g.Top, g.Right, g.Top, colour::Black);
  s.Line(g.C[1], g.Top, g.C[1], g.Bottom, colour::Black);
  s.Line(g.C[1], g.Bottom, g.Right, g.Bottom, colour::Black);
  const double right = g.Legal ? g.Right + 70 : g.Right;
  s.Line(right, g.Top, right, g.Bottom, colour::Black);
  for (int k = 2; k <= 3; ++k) s.Line(g.C[k], g.Top + 20, g.C[k], g.Bottom - 20, colour::Black);
  if (page.type == CardType::Alf) {
    for (int k = 1; k <= 6; ++k)
      s.Line(g.C[1] + k * g.DayPitch, 720, g.C[1] + k * g.DayPitch, 11350, colour::Black);
  }

  s.ForeColor = colour::Black;
  if (page.type != CardType::Alf) {
    const std::string title = page.title();
    s.FontSize = std::max(1.0, 16 + settings_.Text34);
    s.FontBold = false;
    for (int k = 1; k <= 3; ++k) centred(s, g, k, settings_.Text32, title);
  }
  if (settings_.Check12) {
    const Date& date = page.ctx.CardDate;
    const std::string text = std::string(kWeekdayNames[weekday(date)]) + "  " + formatMmDdYy(date);
    s.FontSize = 10;
    s.FontBold = true;
    for (int k = 1; k <= 3; ++k) centred(s, g, k, 485, text, -100);
  }
  if (page.type == CardType::Meal || page.type == CardType::Select) {
    static constexpr double kNameX[] = {0, 400, 250, 400};
    s.FontBold = true;
    for (int k = 1; k <= 3; ++k) {
      const int meal = page.columnMeal(k);
      const bool longName = k == 3 && meal == 1;
      s.FontSize = longName ? 20 : 22;
      s.CurrentX = g.C[k] + (longName ? 200 : kNameX[k]);
      s.CurrentY = g.Top;
      s.Print(mealName(meal));
    }
  }
}

void CardRenderer::drawColumn(const CardPage& page, int k) {
  DrawHydrationBox(page, k);
  // Dots and the feeding skill belong to the resident of this column: with
  // a meal order such as "BBB" the three columns of a page are three
  // residents, so each column draws its own.
  DrawDots(page, k);
  DrawHydrationText(page, k);
  DrawDiningLocation(page, k);
  DrawFeedingSkill(page, k);
  DrawIsolationAndAllergies(page, k);
  DrawSpecialInstructions(page, k);
  if (page.type == CardType::Tray)
    DrawTrayLists(page, k);
  else if (page.type != CardType::Alf)
    drawMenuCardLists(page, k);
  DrawNameAndDiet(page, k);
  drawMenuLines(page, k);
  paintColumnPictures(page, k);
}

void CardRenderer::endPage(const CardPage& page) {
  if (page.screen) return;
  // A PDF printer driver gathers the pages in one document until the run
  // ends it; an ordinary printer gets each page as a job of its own.
  if (page.ctx.PdfDriver)
    page.s.NewPage();
  else
    page.s.EndDoc();
}

void CardRenderer::printError(const CardPage& page) {
  try {
    Surface& s = page.s;
    uprightFont(s, 12, true);
    s.CurrentX = 200;
    s.CurrentY = 250;
    s.Print(std::string(kPrintErrorText) + " for " + page.resident.NameLine);
  } catch (const std::exception& e) {
    // The device itself failed; the page still has to end.
    if (Warn) Warn(std::string("the error text could not be printed: ") + e.what());
  } catch (...) {
    if (Warn) Warn("the error text could not be printed");
  }
}

MealLineRequest CardRenderer::mealRequest(CardType type, const DrawContext& ctx, int menuDay) const {
  MealLineRequest q;
  switch (type) {
    case CardType::Select: q.kind = settings_.PseudoSelect ? MenuKind::PseudoSelect : MenuKind::Select; break;
    case CardType::Alf: q.kind = MenuKind::Alf; break;
    default: q.kind = MenuKind::MealCard;
  }
  // The preview shows the first menu day of the ranges until a run sets one.
  q.MenuDay = menuDay;
  if (q.MenuDay < 1) q.MenuDay = settings_.PreviewMenuDay;
  q.AlfMealNo = alfMeal(ctx, settings_);
  q.ExcludeW = settings_.Check6;
  return q;
}

void CardRenderer::drawMenuCardLists(const CardPage& page, int k) { DrawMealCardLists(page, k); }

void CardRenderer::drawMenuLines(const CardPage& page, int k) {
  DrawMealCardLines(page, k);
  DrawSelectMenu(page, k);
}

void CardRenderer::paintWatermarks(const CardPage& page) {
  if (pictures_) PaintWatermarks(page, *pictures_);
}

void CardRenderer::paintColumnBackground(const CardPage& page, int k) {
  PaintColumnBackground(page, pictures_ ? &*pictures_ : nullptr, k);
}

void CardRenderer::paintColumnPictures(const CardPage& page, int k) {
  if (pictures_) PaintColumnPictures(page, *pictures_, k);
}

void CardRenderer::paintAlfPictures(const CardPage& page) {
  if (pictures_) PaintAlfPictures(page, *pictures_);
}
void CardRenderer::drawBarCodes(const CardPage& page) {
  if (page.settings.Check20) DrawBarCodes(page, barCoder);
}

}  // namespace mc
