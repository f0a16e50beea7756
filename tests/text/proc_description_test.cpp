#include <gtest/gtest.h>

#include <string>

#include "text/proc_description.h"

namespace zm {
namespace {

TEST(ProcDescription, FindsTheDescriptionOfEveryKindOfCode) {
  struct Case {
    const char* code;
    const char* description;
  } cases[] = {
      {"P3", "三角形の重心"},
      {"P4", "三角形の垂心"},
      {"P4   ", "三角形の垂心"},  // a stored code with its filling blanks
      {"CALC", "数式計算"},
      {"NA3*", "角度(3点/1-360)"},
      {"NAR+", "面積(3角形,+/-)"},
      {"PC1", "交点（２直線）"},
      {"PNEQ", "ｎ等分"},
      {"PO-1", "(複素数としての)逆数"},
      {"PO-", "(複素数としての)差"},
      {"L5", "円の接線（１点を通る）"},
      {"LH2", "角のｎ等分線(3点と n(等分)の中の m 番目[0->すべて]を入力)"},
      {"C3", "円（３点）"},
      {"C7", "九点円"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ProcDescription(c.code), c.description);
  }
}

TEST(ProcDescription, ReturnsACodeWithoutDescriptionExactlyAsGiven) {
  for (const char* code : {"LH2+", "LPG+", "NA3M ", "LPG+ ", "p3", " P3", "", "XYZ"}) {
    SCOPED_TRACE(std::string("'") + code + "'");
    EXPECT_EQ(ProcDescription(code), code);
  }
}

}  // namespace
}  // namespace zm
