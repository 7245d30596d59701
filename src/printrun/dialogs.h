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

// Dialogs passed on to others, which can be exchanged for a while: the
// pre-flight check walks a print run in the window without putting its
// questions to the person at it.
class DialogsRoute : public Dialogs {
 public:
  explicit DialogsRoute(Dialogs& to) : to_(&to) {}
  DialogsRoute(const DialogsRoute&) = delete;
  DialogsRoute& operator=(const DialogsRoute&) = delete;

  Answer message(std::string_view text, Buttons buttons, std::string_view title = {}) override {
    return to_->message(text, buttons, title);
  }
  std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                   std::string_view defaultAnswer) override {
    return to_->input(prompt, title, defaultAnswer);
  }
  std::optional<int32_t> color(int32_t initial) override { return to_->color(initial); }

  // Every box goes to `other` while the Diverted lives.
  class Diverted {
   public:
    Diverted(DialogsRoute& route, Dialogs& other) : route_(route), was_(route.to_) { route.to_ = &other; }
    ~Diverted() { route_.to_ = was_; }
    Diverted(const Diverted&) = delete;
    Diverted& operator=(const Diverted&) = delete;

   private:
    DialogsRoute& route_;
    Dialogs* was_;
  };

 private:
  Dialogs* to_;
};

}  // namespace mc
