// The panel resource file as shipped: every callback it names is one the program
// registers, the layout is readable (everything inside its panel, nothing
// covering anything else, the child panels in their shared place), rings count
// from 0, every start value is one its control can show, and the recorder's
// interval field takes the service code.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/callbacks.h"
#include "runtime/events.h"
#include "runtime/resource.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

using K = rt::ControlKind;

const rt::ResourceFile* File() {
  static rt::ResourceFile file;
  static const bool ok = [] {
    std::ifstream in(KAVRO_RESOURCE_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    bool parsed = rt::ParseResource(text.str(), &file, &error);
    EXPECT_TRUE(parsed) << error;
    return parsed;
  }();
  return ok ? &file : nullptr;
}

const rt::Panel& P(int resource) {
  return File()->panels.at(resource);
}

struct Rect {
  int left, top, width, height;
  bool Overlaps(const Rect& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
  }
};
Rect RectOf(const rt::Control& c) {
  return {c.left, c.top, c.width, c.height};
}

// Fields, rings, sliders, switches and LEDs carry their label in a band above them.
constexpr int kLabelBand = 14;
bool LabelAbove(const rt::Control& c) {
  static const std::set<K> kinds = {K::Numeric, K::String,       K::Ring, K::Slider,
                                    K::TextBox, K::BinarySwitch, K::Led};
  return !c.label.empty() && kinds.count(c.kind);
}

// Help boxes pop up over other controls on purpose.
bool IsHelpBox(int panel, int id) {
  return (panel == ids::PANEL_MAIN && (id == ids::MAIN_HELP || id == ids::MAIN_HELP_LARGE)) ||
         (panel == ids::PANEL_COMSET && id == ids::COM_HELP);
}

// The roll, video and pixel graphs take turns in one place, and so do the Zoom toggle (run
// mode) and the Raw toggle (video mode); the logo sits on the header strip.
bool MayShare(int panel, int a, int b) {
  if (panel != ids::PANEL_MAIN) return false;
  static const std::set<int> graphs = {ids::MAIN_ROLL_GRAPH, ids::MAIN_VIDEO_GRAPH,
                                       ids::MAIN_PIXEL_GRAPH};
  if (graphs.count(a) && graphs.count(b)) return true;
  if (std::minmax(a, b) == std::minmax(ids::MAIN_ZOOM, ids::MAIN_RAW)) return true;
  return std::minmax(a, b) == std::minmax(ids::MAIN_HEADER, ids::MAIN_LOGO);
}

class ResourceFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(File(), nullptr) << "the resource file does not parse"; }
};

TEST_F(ResourceFileTest, EveryCallbackItNamesIsOneTheProgramRegisters) {
  rt::ClearCallbackRegistry();
  RegisterAllCallbacks();
  for (const auto& [res, panel] : File()->panels) {
    if (!panel.callback.empty()) {
      EXPECT_NE(rt::FindPanelCallback(panel.callback), nullptr) << panel.callback;
    }
    for (const auto& [id, c] : panel.controls) {
      if (!c.callback.empty()) {
        EXPECT_NE(rt::FindCtrlCallback(c.callback), nullptr) << c.name << " " << c.callback;
      }
    }
  }
  rt::ClearCallbackRegistry();
}

TEST_F(ResourceFileTest, ChildPanelsShareOnePlaceBesideTheSettingsPanel) {
  const rt::Panel& main = P(ids::PANEL_MAIN);
  const rt::Panel& com = P(ids::PANEL_COMSET);
  EXPECT_LE(kComsetLeft + com.width, main.width);
  EXPECT_LE(kComsetTop + com.height, main.height);
  const rt::Panel& para1 = P(ids::PANEL_PARA1);
  for (int res : {ids::PANEL_PARA1, ids::PANEL_PARA2, ids::PANEL_RECORDER, ids::PANEL_CALIB}) {
    const rt::Panel& child = P(res);
    EXPECT_EQ(child.width, para1.width) << res;
    EXPECT_EQ(child.height, para1.height) << res;
    EXPECT_LT(kChildLeft + child.width, kComsetLeft) << res;
    EXPECT_LE(kChildTop + child.height, main.height) << res;
  }
}

TEST_F(ResourceFileTest, LayoutIsInsideItsPanelsAndNothingCoversAnythingElse) {
  for (const auto& [res, panel] : File()->panels) {
    // Each control and, for labelled fields, the label band above it.
    std::vector<std::pair<const rt::Control*, Rect>> areas;
    for (const auto& [id, c] : panel.controls) {
      SCOPED_TRACE(c.name);
      const Rect r = RectOf(c);
      EXPECT_GT(r.width, 0);
      EXPECT_GT(r.height, 0);
      EXPECT_GE(r.left, 0);
      EXPECT_LE(r.left + r.width, panel.width);
      EXPECT_LE(r.top + r.height, panel.height);
      EXPECT_GE(LabelAbove(c) ? r.top - kLabelBand : r.top, 0);
      if (IsHelpBox(res, id)) continue;
      areas.push_back({&c, r});
      if (LabelAbove(c)) areas.push_back({&c, {r.left, r.top - kLabelBand, r.width, kLabelBand}});
    }
    for (size_t i = 0; i < areas.size(); ++i) {
      for (size_t j = i + 1; j < areas.size(); ++j) {
        const rt::Control& a = *areas[i].first;
        const rt::Control& b = *areas[j].first;
        if (a.id == b.id || MayShare(res, a.id, b.id)) continue;
        EXPECT_FALSE(areas[i].second.Overlaps(areas[j].second))
            << "panel " << res << ": " << a.name << " and " << b.name;
      }
    }
  }
  // On the main panel the banner strip and the shared child-panel place stay free.
  const Rect header = RectOf(P(ids::PANEL_MAIN).controls.at(ids::MAIN_HEADER));
  const Rect childPlace{kChildLeft, kChildTop, P(ids::PANEL_PARA1).width,
                        P(ids::PANEL_PARA1).height};
  for (const auto& [id, c] : P(ids::PANEL_MAIN).controls) {
    if (IsHelpBox(ids::PANEL_MAIN, id)) continue;
    Rect r = RectOf(c);
    if (LabelAbove(c)) r = {r.left, r.top - kLabelBand, r.width, r.height + kLabelBand};
    if (id != ids::MAIN_HEADER && id != ids::MAIN_LOGO) {
      EXPECT_FALSE(r.Overlaps(header)) << c.name;
    }
    EXPECT_FALSE(r.Overlaps(childPlace)) << c.name;
  }
}

// A parameter value selects a ring item by its value, which is its place; and
// every control starts with a value it can show.
TEST_F(ResourceFileTest, RingsCountFromZeroAndStartValuesFitTheirControls) {
  for (const auto& [res, panel] : File()->panels) {
    for (const auto& [id, c] : panel.controls) {
      SCOPED_TRACE(c.name);
      for (std::size_t i = 0; i < c.items.size(); ++i) {
        EXPECT_EQ(c.items[i].value, static_cast<double>(i));
        EXPECT_FALSE(c.items[i].label.empty());
      }
      if (c.kind == K::Numeric || c.kind == K::Slider) {
        EXPECT_LE(c.minValue, c.num);
        EXPECT_LE(c.num, c.maxValue);
      } else if (c.kind == K::Ring) {
        EXPECT_LT(c.num, static_cast<double>(c.items.size()));
      } else if (c.kind == K::BinarySwitch) {
        EXPECT_TRUE(c.num == c.onValue || c.num == c.offValue);
      }
    }
  }
  // The interval field also takes the service code 8642 that unlocks the flash upload.
  EXPECT_GE(P(ids::PANEL_RECORDER).controls.at(ids::REC_INTERVAL).maxValue, 8642);
}

}  // namespace
