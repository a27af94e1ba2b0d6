// The threshold selector each model row sets; the rows' other knowledge shows in
// the identification scenario tests.
#include <gtest/gtest.h>

#include "sensor/model_table.h"

namespace {

TEST(ModelTable, ThresholdSelectorPresetsOfSomeModels) {
  EXPECT_EQ(FindModelRow(1, 80, 310)->selector.value, 2);
  EXPECT_EQ(FindModelRow(1, 80, 318)->selector.value, 1);
  EXPECT_EQ(FindModelRow(102, 500, 318)->selector.dim, Dim::Undimmed);
  EXPECT_EQ(FindModelRow(102, 500, 310)->selector.dim, Dim::Dimmed);
  EXPECT_EQ(FindModelRow(101, 160, 318)->selector.value, 0);
}

}  // namespace
