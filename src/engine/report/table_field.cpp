#include "engine/report/table_field.h"

#include "common/number_text.h"

namespace quarlin {

std::string TableField(long double value, int width, int decimals) {
  std::string text = Fix(value, width, decimals);
  if (text.empty() || text.front() != ' ') text.insert(text.begin(), ' ');
  return text;
}

}  // namespace quarlin
