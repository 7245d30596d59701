// Message boxes, input boxes and the colour dialog. The window shows them
// with Qt; the command line and the tests answer them from a script. Texts
// are Windows-1252, as the program holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mc {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box; "" as the title means none.
  virtual Answer message(std::string_view text, Buttons buttons, std::string_view title = {}) = 0;
  // An input box. Nothing when the user cancels or leaves the answer empty:
  // the program treats both as cancel.
  virtual std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                           std::string_view defaultAnswer) = 0;
  // The colour dialog; nothing when cancelled.
  virtual std::optional<int32_t> color(int32_t initial) = 0;
};

}  // namespace mc
