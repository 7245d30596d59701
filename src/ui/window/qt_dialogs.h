// The dialogs interface on the screen: message boxes, input boxes and the
// colour dialog as Qt's standard dialogs, in front of the window that is
// active when they open. Texts arrive and leave as Windows-1252.
#pragma once

#include "printrun/dialogs.h"

class QWidget;

namespace mc::window {

class QtDialogs : public Dialogs {
 public:
  Answer message(std::string_view text, Buttons buttons, std::string_view title = {}) override;
  std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                   std::string_view defaultAnswer) override;
  std::optional<int32_t> color(int32_t initial) override;
};

}  // namespace mc::window
