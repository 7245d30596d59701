// A clock that always reads the same moment, so that card dates and
// weekdays in tests do not depend on the day they run.
#pragma once

#include "data/card_date.h"

namespace mc::test {

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime moment = {{2007, 3, 14}, 9, 0, 0}) : moment_(moment) {}
  DateTime now() const override { return moment_; }

 private:
  DateTime moment_;
};

}  // namespace mc::test
