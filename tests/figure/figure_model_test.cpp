#include <gtest/gtest.h>

#include "figure/figure.h"

namespace zm {
namespace {

TEST(NewFigure, GivesEmptyTablesWithAutomaticNames) {
  Figure fig;
  NewFigure(fig, kStandardCapacity);
  EXPECT_EQ(fig.StepCount, 0);
  EXPECT_EQ(fig.Points[1].name.Trimmed(), "A");
}

}  // namespace
}  // namespace zm
