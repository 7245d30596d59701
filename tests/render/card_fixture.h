// A tray card ready to draw: a facility, default settings, one resident and
// the run state, with the printer and the screen both traced over counting
// surfaces (text half an em per character).
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "render/card_renderer.h"
#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "support/trace_ops.h"

namespace mc::test {

class CardFixture : public ::testing::Test {
 protected:
  CardFixture() {
    facility.setupFound = true;
    facility.FacilityName = "Maple Grove Care Center";
    model.CardKind = 3;
    model.Option[1] = true;
    model.Text[16] = "700";
    model.Text[17] = "10";
    model.Text[18] = "0";
    model.Text[19] = "0";
    model.Text[32] = "150";
    resident.ResidentFile = "RS00101";
    resident.ResidentPath = "c:\\dnv\\data\\dataMGC\\RS00101.~MGC";
    resident.Loaded = true;
    resident.NameLine = "101-A Anderson, Mary";
    resident.Diet = "REGULAR   ";
  }

  // Draws ctx and returns what reached the printer.
  std::vector<TraceOp> draw() {
    printerTrace.str("");
    renderer.DrawMenu(ctx);
    return parseTrace(printerTrace.str());
  }
  std::vector<TraceOp> screenOps() const { return parseTrace(screenTrace.str()); }

  Facility facility;
  SettingsModel model;
  ResidentRecord resident;
  DrawContext ctx;
  CountingSurface printerDevice{true};
  CountingSurface screenDevice{false};
  std::ostringstream printerTrace;
  std::ostringstream screenTrace;
  TraceSurface printer{printerDevice, printerTrace};
  TraceSurface screen{screenDevice, screenTrace};
  CardRenderer renderer{facility, model, resident, &printer, screen};
};

}  // namespace mc::test
