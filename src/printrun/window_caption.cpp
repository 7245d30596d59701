#include "printrun/window_caption.h"

#include "data/text.h"

namespace mc {

std::string printingCaption(bool byMealOrder, int unitNo, int residentNo, int passNo) {
  if (byMealOrder)
    return " Printing Tray Line READY Line " + numberText(residentNo) +
           " ........................................        ";
  return " Printing Unit:" + numberText(unitNo) + "    Resident:" + numberText(residentNo) +
         "    Dining Location:" + numberText(passNo) + " ............        ";
}

}  // namespace mc
