#include "core/margins.h"

#include "core/settings.h"

namespace tarn {

void setMargins(Settings& settings, int left, int right, int paragraph, int longestLine) {
  auto usable = [longestLine](int margin) { return margin >= 1 && margin < longestLine; };
  settings.leftMargin = usable(left) ? left : 1;
  settings.rightMargin = usable(right) ? right : 80;
  settings.paragraphMargin = usable(paragraph) ? paragraph : 1;
}

}  // namespace tarn
