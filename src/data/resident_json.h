// The resident record as one JSON object (the show-resident command): keys
// are the record's field names, text is decoded from Windows-1252, lists
// are arrays by slot and numbered arrays start at index 1.
#pragma once

#include <string>
#include <string_view>

#include "data/resident_record.h"

namespace mc {

std::string ResidentJson(const ResidentRecord& record, std::string_view mealOrder);

}  // namespace mc
