// Dialogs answered without a person: the command line and the tests. Every
// box shown is recorded; questions get the answer set for them (Yes unless
// told otherwise), input boxes the answer set for their title or else their
// default, and the boxes can be told as text (on the command line's
// stderr).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "printrun/dialogs.h"

namespace mc {

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    std::string kind;  // "message", "input", "color"
    std::string text;  // message text or prompt
    std::string title;
    Buttons buttons = Buttons::Ok;
  };

  // With `say`, every box shown is also told as text: UTF-8, the box's
  // title, its lines as the box breaks them, and the answer given.
  explicit ScriptedDialogs(std::function<void(const std::string&)> say = {}) : say_(std::move(say)) {}

  // The answer to every question (Yes/No boxes) from now on.
  void answerQuestions(Answer a) { questionAnswer_ = a; }
  // The answer to the input box with this title; an empty answer cancels.
  void answerInput(const std::string& title, const std::string& answer) { inputs_[title] = answer; }
  // The colour the colour dialog returns from now on (else the one it was
  // opened with).
  void answerColor(int32_t color) { color_ = color; }

  Answer message(std::string_view text, Buttons buttons, std::string_view title = {}) override;
  std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                   std::string_view defaultAnswer) override;
  std::optional<int32_t> color(int32_t initial) override;

  const std::vector<Shown>& shown() const { return shown_; }
  void clear() { shown_.clear(); }

 private:
  std::function<void(const std::string&)> say_;
  Answer questionAnswer_ = Answer::Yes;
  std::map<std::string, std::string> inputs_;
  std::vector<Shown> shown_;
  std::optional<int32_t> color_;
};

}  // namespace mc
