// The machine's clock, in local time.
#pragma once

#include "data/card_date.h"

namespace mc {

class SystemClock : public Clock {
 public:
  DateTime now() const override;
};

}  // namespace mc
