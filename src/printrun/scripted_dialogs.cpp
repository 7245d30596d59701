#include "printrun/scripted_dialogs.h"

#include "data/text.h"

namespace mc {

Answer ScriptedDialogs::message(std::string_view text, Buttons buttons, std::string_view title) {
  shown_.push_back({"message", std::string(text), std::string(title), buttons});
  if (say_) {
    // The box's own line breaks (CR LF) become lines.
    std::string lines;
    for (const char c : cp1252ToUtf8(text))
      if (c != '\r') lines += c;
    if (buttons != Buttons::Ok) lines += questionAnswer_ == Answer::Yes ? " [Yes]" : " [No]";
    say_((title.empty() ? "" : cp1252ToUtf8(title) + ": ") + lines);
  }
  return buttons == Buttons::Ok ? Answer::Ok : questionAnswer_;
}

std::optional<std::string> ScriptedDialogs::input(std::string_view prompt, std::string_view title,
                                                  std::string_view defaultAnswer) {
  shown_.push_back({"input", std::string(prompt), std::string(title), Buttons::Ok});
  const auto it = inputs_.find(std::string(title));
  std::string answer = it != inputs_.end() ? it->second : std::string(defaultAnswer);
  if (say_) say_(cp1252ToUtf8(title) + ": " + cp1252ToUtf8(answer));
  if (answer.empty()) return std::nullopt;
  return answer;
}

std::optional<int32_t> ScriptedDialogs::color(int32_t initial) {
  shown_.push_back({"color", {}, {}, Buttons::Ok});
  return color_.value_or(initial);
}

}  // namespace mc
