// How an operation that can fail says so: every reader, writer and device
// of the program returns an Outcome (done, or why not) or a Result<T> (the
// value, or why there is none). Both must be looked at: a caller that drops
// one does not compile, so no failure goes unsaid. The reason is for people
// ("cannot write: No space left on device"); the caller adds the file.
//
// A data file that is damaged but still read (blanks, defaults, skipped
// records) is not a failure of the read: the readers name it to the run's
// FileProblems (file_problems.h) and go on.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace mc {

// Why an operation failed; converts to any Outcome or Result.
struct Failure {
  std::string why;
};

class [[nodiscard]] Outcome {
 public:
  Outcome() = default;  // done
  Outcome(Failure failure) : why_(std::move(failure.why)) {}

  bool ok() const { return !why_; }
  explicit operator bool() const { return ok(); }
  // Why not; "" when it was done. A failure whose reason was empty is
  // still a failure.
  const std::string& error() const { return why_ ? *why_ : none(); }

 private:
  static const std::string& none() {
    static const std::string empty;
    return empty;
  }
  std::optional<std::string> why_;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
  Result(Failure failure) : v_(std::in_place_index<1>, std::move(failure.why)) {}

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  // The value; only when ok().
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  // Why there is no value; "" when there is one.
  const std::string& error() const {
    static const std::string empty;
    return ok() ? empty : std::get<1>(v_);
  }
  // Done or why not, without the value.
  Outcome outcome() const { return ok() ? Outcome() : Outcome(Failure{error()}); }

 private:
  std::variant<T, std::string> v_;
};

}  // namespace mc
