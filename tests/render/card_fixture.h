// A tray card ready to draw: a facility, default settings, one resident and
// the run state, with the printer and the screen both traced over counting
// surfaces (text half an em per character).
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "render/card_renderer.h"
#include "render/counting_surface.h"
#include "render/page_geometry.h"
#include "render/trace_surface.h"
#include "support/trace_ops.h"

namespace mc::test {

// A printer that fails when asked to print one given text.
struct FailingPrinter : CountingSurface {
  std::string failOn;
  void Print(std::string_view text, bool endLine) override {
    if (!failOn.empty() && text == failOn) throw std::runtime_error("device error");
    CountingSurface::Print(text, endLine);
  }
};

// The operations that pass a test.
template <class Keep>
std::vector<TraceOp> only(const std::vector<TraceOp>& ops, Keep keep) {
  std::vector<TraceOp> out;
  for (const auto& op : ops)
    if (keep(op)) out.push_back(op);
  return out;
}

class CardFixture : public ::testing::Test {
 protected:
  CardFixture() {
    facility.setupFound = true;
    facility.FacilityName = "Maple Grove Care Center";
    model.CardKind = 3;
    model.Text[16] = "700";
    model.Text[17] = "10";
    model.Text[32] = "150";
    resident.ResidentPath = "c:\\dnv\\data\\dataMGC\\RS00101.~MGC";
    resident.Loaded = true;
    resident.NameLine = "101-A Anderson, Mary";
    resident.Diet = "REGULAR   ";
  }

  // Draws ctx with the menus buildMenu gives (none when unset), as the
  // run builds them before it draws.
  bool drawMenu(CardRenderer& with) {
    settings = readCardSettings(model);
    std::vector<MealLines> menus;
    if (buildMenu)
      for (const MealLineRequest& q : with.menusFor(ctx, resident)) menus.push_back(buildMenu(q));
    return with.DrawMenu(ctx, resident, menus);
  }
  bool drawMenu() { return drawMenu(renderer); }
  // Draws ctx and returns what reached the printer.
  std::vector<TraceOp> draw() {
    printerTrace.str("");
    drawMenu();
    return parseTrace(printerTrace.str());
  }
  // The column (1 to 3) a drawn op's x falls in, as the page is laid out now.
  int columnOf(const TraceOp& op) const {
    const CardSettings now = readCardSettings(model);
    const PageGeometry g = pageGeometry(now, cardType(now));
    return op["x"] < g.C[2] ? 1 : op["x"] < g.C[3] ? 2 : 3;
  }

  Facility facility;
  SettingsModel model;
  // The model as the renderer reads it, read again at each draw.
  CardSettings settings;
  ResidentRecord resident;
  DrawContext ctx;
  FailingPrinter printerDevice;
  CountingSurface screenDevice{false};
  std::ostringstream printerTrace, screenTrace;
  TraceSurface printer{printerDevice, printerTrace};
  TraceSurface screen{screenDevice, screenTrace};
  CardRenderer renderer{facility, settings, &printer, screen};
  std::function<MealLines(const MealLineRequest&)> buildMenu;
};

}  // namespace mc::test
