#include "data/roster.h"

#include "data/text.h"

namespace mc::roster {

std::string residentFile(std::string_view record) { return columns(record, kFileFrom, kFileTo); }

std::string location(std::string_view record, int meal) {
  const int from = kLocationColumn[meal >= 1 && meal <= 3 ? meal : 1];
  return upper(columns(record, from, from + 2));
}

}  // namespace mc::roster
