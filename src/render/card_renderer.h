// DrawMenu: draws one resident's page of three meal cards, or one column of
// it, on the printer or the screen preview, and ends the page on the
// printer. The print run calls it once per meal position; the window calls
// it with MealToDraw 4 to redraw the preview.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "data/facility.h"
#include "data/meal_lines.h"
#include "data/resident_record.h"
#include "render/bar_code.h"
#include "render/card_pictures.h"
#include "render/card_page.h"
#include "render/draw_context.h"
#include "render/surface.h"
#include "settings/card_settings.h"

namespace mc {

// What a card whose drawing failed says, before the resident's name.
inline constexpr const char* kPrintErrorText = "ERROR Printing Tray Card";

class CardRenderer {
 public:
  // The renderer reads the facility and the settings as they stand at each
  // call; it keeps no state of its own between calls but the pictures it
  // has loaded, which the loaders refresh at each call. `printer` may be
  // null when the machine has no printer: printing then draws nothing.
  CardRenderer(const Facility& facility, const CardSettings& settings, Surface* printer, Surface& screen);

  // Draws the symbols of the bar codes; without one, only their texts print.
  const BarCoder* barCoder = nullptr;
  // Where the card's pictures are found and decoded; without both, cards
  // carry no pictures.
  void usePictures(const DriveMap& drives, PictureLoader& store);
  // Hears of every card drawn with a warning on it (a card whose drawing
  // failed and says so); may be empty.
  std::function<void(const std::string&)> Warn;

  // The menus the call of ctx draws for this resident, which the caller
  // builds before it draws: the menu day's for Meal Cards and Select menus,
  // the seven days of the week for an assisted-living menu, none for Tray
  // Cards or a call that draws nothing.
  std::vector<MealLineRequest> menusFor(const DrawContext& ctx, const ResidentRecord& resident) const;

  // Draws meal position ctx.MealToDraw of the loaded resident, with the
  // meal lines of menusFor(ctx, resident) in that order (empty: the card
  // carries no menu). Returns true when the call finished a page (meal
  // position 3 or 4, an assisted-living menu, or a card whose drawing
  // failed); nothing is drawn and false returned when the resident's data
  // file is missing.
  bool DrawMenu(const DrawContext& ctx, const ResidentRecord& resident, std::span<const MealLines> menus);

  // Print to the screen: the preview, or the "Print to Screen" setting.
  bool drawsOnScreen(const DrawContext& ctx) const;

 private:
  void drawCard(const CardPage& page, std::span<const MealLines> menus);
  void startPage(const CardPage& page);
  void drawColumn(const CardPage& page, int k);
  void endPage(const CardPage& page);
  void printError(const CardPage& page);
  void reviewIfAny(std::span<const MealLines> menus);

  // The card's features, each called at its place in the drawing order.
  // Those that draw pictures draw none until usePictures() gives a store.
  //
  // The watermark behind the columns (Text33, Check33/34/36).
  void paintWatermarks(const CardPage& page);
  // Under column k's items: the resident colour tint and a pasted scanned card.
  void paintColumnBackground(const CardPage& page, int k);
  // Likes and dislikes of Meal Cards and Select menus, at their own places.
  void drawMenuCardLists(const CardPage& page, int k);
  // Column k's menu: meal card lines, select menu headings and items.
  void drawMenuLines(const CardPage& page, int k);
  // The resident's picture, special tray indicator, diet symbols and
  // adaptive equipment pictures of column k.
  void paintColumnPictures(const CardPage& page, int k);
  // The assisted-living banner and border pictures.
  void paintAlfPictures(const CardPage& page);
  // The meal lines of a menu day, as the card kind builds them.
  MealLineRequest mealRequest(CardType type, const DrawContext& ctx, int menuDay) const;
  // Bar codes under the three columns (Check20).
  void drawBarCodes(const CardPage& page);

  const Facility& facility_;
  const CardSettings& settings_;
  Surface* printer_;
  Surface& screen_;
  std::optional<CardPictures> pictures_;
};

}  // namespace mc
