#include "engine/report/table_field.h"

#include <gtest/gtest.h>

namespace quarlin {
namespace {

struct FieldCase {
  long double value;
  int width, decimals;
  const char* text;
};

class TableFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(TableFieldTest, RightAlignedWithABlankBefore) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(TableField(c.value, c.width, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableFieldTest,
    testing::Values(
        // Within the field: the plain fixed form.
        FieldCase{12.5L, 10, 1, "      12.5"}, FieldCase{-3.25L, 8, 2, "   -3.25"},
        // A full or a widened field still keeps its neighbour apart.
        FieldCase{123456789L, 9, 0, " 123456789"}, FieldCase{1032919979L, 8, 0, " 1032919979"},
        FieldCase{-1032919979L, 10, 0, " -1032919979"}, FieldCase{99.995L, 5, 2, " 100.00"}));

}  // namespace
}  // namespace quarlin
