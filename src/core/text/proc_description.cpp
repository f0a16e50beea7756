#include "text/proc_description.h"

#include <array>
#include <utility>

namespace zm {

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

constexpr std::array kDescriptions = {
    // numbers and measurements
    Entry{"CALC", "数式計算"},
    Entry{"ND2P", "距離(2点)"},
    Entry{"NDPL", "距離(点,直線)"},
    Entry{"NDPC", "距離(点,円)"},
    Entry{"ND2L", "距離(2直線)"},
    Entry{"NDLC", "距離(直線,円)"},
    Entry{"ND2C", "距離(2円)"},
    Entry{"NA3P", "角度(3点/0-180)"},
    Entry{"NA3+", "角度(3点/+-180)"},
    Entry{"NA3*", "角度(3点/1-360)"},
    Entry{"NA2L", "角度(2直線)"},
    Entry{"NAR3", "面積(3角形)"},
    Entry{"NAR+", "面積(3角形,+/-)"},
    Entry{"NLC", "円周"},
    Entry{"NRC", "円の半径"},
    Entry{"NSIN", "SIN"},
    Entry{"NCOS", "COS"},
    Entry{"NTAN", "TAN"},
    // points
    Entry{"PC1", "交点（２直線）"},
    Entry{"PC2", "交点（直線と円）"},
    Entry{"PC3", "交点（２円）"},
    Entry{"PNEQ", "ｎ等分"},
    Entry{"PN", "内分・外分"},
    Entry{"PEXT", "２点からの延長"},
    Entry{"P1", "三角形の外心"},
    Entry{"P2", "三角形の内心"},
    Entry{"P3", "三角形の重心"},
    Entry{"P4", "三角形の垂心"},
    Entry{"P5", "三角形の一傍心"},
    Entry{"P6", "三角形の九点円の中心"},
    Entry{"PT1", "点の回転"},
    Entry{"PT2", "点の線対称移動"},
    Entry{"PT3", "点の点対称移動"},
    Entry{"PT4", "点の円に関する反転"},
    Entry{"PNEW", "新しい点を取る"},
    Entry{"PBND", "図形上に点を取る"},
    Entry{"PO+", "(複素数としての)和"},
    Entry{"PO-", "(複素数としての)差"},
    Entry{"PO*", "(複素数としての)積"},
    Entry{"PO/", "(複素数としての)商"},
    Entry{"PO-1", "(複素数としての)逆数"},
    Entry{"PO^", "(複素数としての)巾(べき)"},
    Entry{"PXY", "x,y座標から点を作る"},
    // lines and circles
    Entry{"L1", "２点を結ぶ"},
    Entry{"L2", "平行線"},
    Entry{"L3", "垂線（とその足）"},
    Entry{"L4", "垂直二等分線"},
    Entry{"L5", "円の接線（１点を通る）"},
    Entry{"L6", "２円の共通外接線"},
    Entry{"L7", "２円の共通内接線"},
    Entry{"L8", "極線"},
    Entry{"LPGN", "多角形"},
    Entry{"LRGN", "正多角形(一辺とする2点)"},
    Entry{"LH1", "角の２等分線(3点)"},
    Entry{"LH2", "角のｎ等分線(3点と n(等分)の中の m 番目[0->すべて]を入力)"},
    Entry{"C1", "円（中心と半径）"},
    Entry{"C2", "円（中心と一点）"},
    Entry{"C3", "円（３点）"},
    Entry{"C4", "円（直径）"},
    Entry{"C5", "内接円"},
    Entry{"C6", "一傍接円"},
    Entry{"C7", "九点円"},
};

}  // namespace

std::string ProcDescription(std::string_view code) {
  std::string_view key = code;
  while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
  for (const auto& [entryCode, description] : kDescriptions)
    if (entryCode == key) return std::string(description);
  return std::string(code);
}

}  // namespace zm
