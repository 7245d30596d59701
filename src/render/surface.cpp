#include "render/surface.h"

#include <utility>

namespace mc {

PageSize pageSize(int paperSize, int orientation) {
  // Legal is 8.5 by 14 inches; everything else the program prints is letter.
  PageSize size{12240, paperSize == kPaperLegal ? 20160.0 : 15840.0};
  if (orientation == kLandscape) std::swap(size.width, size.height);
  return size;
}

}  // namespace mc
