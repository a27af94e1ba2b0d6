// The panel resource file: every panel and control the program addresses is there with the kind
// and callback the logic expects, the panels sit where start-up puts them, the layout is readable
// (everything inside its panel, nothing covering anything else) and the controls start in the
// state the program starts in.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "runtime/resource.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

using rt::ControlKind;
using K = ControlKind;

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
const rt::Control& Ctl(int resource, int id) {
  return P(resource).controls.at(id);
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

struct Expected {
  int panel, id;
  ControlKind kind;
  const char* callback;  // "" when the control has none
};

// What the program expects of every control it addresses, with the callback names the
// sensor documentation gives the controls.
const std::vector<Expected>& AllControls() {
  using namespace ids;
  static const std::vector<Expected> all = {
      {PANEL_MAIN, MAIN_RUN, K::CommandButton, "CC_BTNRun"},
      {PANEL_MAIN, MAIN_VIDEO, K::CommandButton, "CC_BTNVideo"},
      {PANEL_MAIN, MAIN_STOP, K::CommandButton, "CC_BTNStop"},
      {PANEL_MAIN, MAIN_SEND, K::CommandButton, "CC_BTNSend"},
      {PANEL_MAIN, MAIN_GET, K::CommandButton, "CC_BTNGet"},
      {PANEL_MAIN, MAIN_RAM, K::RadioButton, "CC_RBTRam"},
      {PANEL_MAIN, MAIN_EEPROM, K::RadioButton, "CC_RBTEeprom"},
      {PANEL_MAIN, MAIN_FILE, K::RadioButton, "CC_RBTFile"},
      {PANEL_MAIN, MAIN_RESET, K::CommandButton, "CC_ButtonReset"},
      {PANEL_MAIN, MAIN_ZOOM, K::ToggleButton, "CC_TOGGButtonZoom"},
      {PANEL_MAIN, MAIN_TOGG_PARA1, K::ToggleButton, "CC_TOGGBTN_Para1"},
      {PANEL_MAIN, MAIN_TOGG_RECORDER, K::ToggleButton, "CC_TOGGBTN_Recorder"},
      {PANEL_MAIN, MAIN_TOGG_PARA2, K::ToggleButton, "CC_TOGGBTN_Para2"},
      {PANEL_MAIN, MAIN_TOGG_CALIB, K::ToggleButton, "CC_TOGGBTN_Calib"},
      {PANEL_MAIN, MAIN_RAW, K::ToggleButton, "CC_TOGGButtonRaw"},
      {PANEL_MAIN, MAIN_EVAL_BEGIN, K::Numeric, "CC_NEDITEdgeLeft"},
      {PANEL_MAIN, MAIN_EVAL_END, K::Numeric, "CC_NEDITEdgeRight"},
      {PANEL_MAIN, MAIN_E_LEFT, K::Numeric, ""},
      {PANEL_MAIN, MAIN_E_RIGHT, K::Numeric, ""},
      {PANEL_MAIN, MAIN_PORT, K::Numeric, ""},
      {PANEL_MAIN, MAIN_PIXEL_VALUE, K::Numeric, ""},
      {PANEL_MAIN, MAIN_UM_VALUE, K::Numeric, ""},
      {PANEL_MAIN, MAIN_MAIN_VALUE, K::Numeric, ""},
      {PANEL_MAIN, MAIN_MAX, K::Numeric, ""},
      {PANEL_MAIN, MAIN_MIN, K::Numeric, ""},
      {PANEL_MAIN, MAIN_TOL_UP, K::Numeric, ""},
      {PANEL_MAIN, MAIN_TOL_LOW, K::Numeric, ""},
      {PANEL_MAIN, MAIN_TRIG_VALUE, K::Numeric, ""},
      {PANEL_MAIN, MAIN_TRIG_LED, K::Led, ""},
      {PANEL_MAIN, MAIN_TRIG_LABEL, K::TextMessage, ""},
      {PANEL_MAIN, MAIN_OUT1_LED, K::Led, ""},
      {PANEL_MAIN, MAIN_OUT2_LED, K::Led, ""},
      {PANEL_MAIN, MAIN_ANALOG_LABEL, K::TextMessage, ""},
      {PANEL_MAIN, MAIN_HWINFO, K::TextBox, ""},
      {PANEL_MAIN, MAIN_STATUS, K::TextMessage, ""},
      {PANEL_MAIN, MAIN_VIDEO_GRAPH, K::Graph, "CC_GRAPHVideo"},
      {PANEL_MAIN, MAIN_PIXEL_GRAPH, K::Graph, ""},
      {PANEL_MAIN, MAIN_DATA_GRAPH, K::Graph, "CC_GRAPHData"},
      {PANEL_MAIN, MAIN_FLASH_INDEX, K::Numeric, ""},
      {PANEL_MAIN, MAIN_ROLL_GRAPH, K::StripChart, "CC_GRAPHRaw"},
      {PANEL_MAIN, MAIN_HEADER, K::Decoration, ""},
      {PANEL_MAIN, MAIN_HELP, K::TextBox, "CC_HelpText1"},
      {PANEL_MAIN, MAIN_HELP_LARGE, K::TextBox, "CC_HelpText2"},
      {PANEL_MAIN, MAIN_LOGO, K::Picture, ""},
      {PANEL_MAIN, MAIN_CONNECT, K::ToggleButton, "CC_TOGGBTNConnect"},
      {PANEL_PARA1, P1_EVAL_MODE, K::Ring, "CC_DROPevalmode"},
      {PANEL_PARA1, P1_TRIG_PIXEL, K::Numeric, "CC_NUMtrgPix"},
      {PANEL_PARA1, P1_TOL_LOW, K::Numeric, "CC_NEDITTolerance"},
      {PANEL_PARA1, P1_INT_TRIG, K::Ring, "CC_DROPintrgMode"},
      {PANEL_PARA1, P1_OUT_MODE, K::Ring, "CC_DROPoutmode"},
      {PANEL_PARA1, P1_POLARITY, K::Ring, "CC_DROPpolarity"},
      {PANEL_PARA1, P1_ZOOM_MODE, K::Ring, "CC_DROPzoomMode"},
      {PANEL_PARA1, P1_AVERAGE, K::Ring, "CC_DROPaverage"},
      {PANEL_PARA1, P1_ANALOG_OUT, K::Ring, "CC_DROPanaMode"},
      {PANEL_PARA1, P1_TOL_UP, K::Numeric, "CC_NEDITToleranceUP"},
      {PANEL_PARA2, P2_POWER, K::Slider, "CC_SLIDEpower"},
      {PANEL_PARA2, P2_VTHD, K::Slider, "CC_SLIDEVideoThreshold"},
      {PANEL_PARA2, P2_VTHD_MODE, K::Ring, "CC_DROPvthdmode"},
      {PANEL_PARA2, P2_IN0_FUNC, K::Ring, "CC_DROP_TrigMode"},
      {PANEL_PARA2, P2_FILTER, K::Ring, "CC_DROP_FilterType"},
      {PANEL_PARA2, P2_HW_MODE, K::Ring, "CC_DROPhardware"},
      {PANEL_PARA2, P2_TEACH_VALUE, K::Numeric, "CC_NEDITTeach"},
      {PANEL_PARA2, P2_THD_TARGET, K::BinarySwitch, "CC_BINSWTarget"},
      {PANEL_PARA2, P2_SAVE_THD, K::CommandButton, "CC_CBTNSaveThreshold"},
      {PANEL_PARA2, P2_TEACH, K::CommandButton, "CC_ButtonTeach"},
      {PANEL_RECORDER, REC_FILE_BTN, K::PictureButton, "CC_PICBTNrecfile"},
      {PANEL_RECORDER, REC_SAMPLES, K::Numeric, "CC_NUMsample"},
      {PANEL_RECORDER, REC_INTERVAL, K::Numeric, "CC_NUMinctime"},
      {PANEL_RECORDER, REC_RS232_MODE, K::Ring, "CC_DROPrs232mode"},
      {PANEL_RECORDER, REC_START, K::CommandButton, "CC_CBTNStartRecord"},
      {PANEL_RECORDER, REC_STOP, K::PictureButton, "CC_PICBTNStopRecord"},
      {PANEL_RECORDER, REC_STATUS_BOX, K::TextMessage, ""},
      {PANEL_RECORDER, REC_COUNTER, K::Numeric, ""},
      {PANEL_RECORDER, REC_START_TIME, K::String, ""},
      {PANEL_RECORDER, REC_DAYS, K::Numeric, ""},
      {PANEL_RECORDER, REC_HOURS, K::Numeric, ""},
      {PANEL_RECORDER, REC_MINUTES, K::Numeric, ""},
      {PANEL_RECORDER, REC_SECONDS, K::Numeric, ""},
      {PANEL_RECORDER, REC_PATH, K::TextBox, ""},
      {PANEL_RECORDER, REC_DATE, K::String, ""},
      {PANEL_CALIB, CAL_STEP1, K::CheckBox, "CC_CheckStep1"},
      {PANEL_CALIB, CAL_STEP2, K::CheckBox, "CC_CheckStep2"},
      {PANEL_CALIB, CAL_ACCEPT1, K::CommandButton, "CC_ButtonAcceptObject1"},
      {PANEL_CALIB, CAL_ACCEPT2, K::CommandButton, "CC_ButtonAcceptObject2"},
      {PANEL_CALIB, CAL_SIZE1, K::Numeric, ""},
      {PANEL_CALIB, CAL_SIZE2, K::Numeric, ""},
      {PANEL_CALIB, CAL_VALUE1, K::Numeric, ""},
      {PANEL_CALIB, CAL_VALUE2, K::Numeric, ""},
      {PANEL_CALIB, CAL_FIT, K::CommandButton, "CC_ButtonDoFit"},
      {PANEL_CALIB, CAL_FIT_SLOPE, K::Numeric, ""},
      {PANEL_CALIB, CAL_FIT_OFFSET, K::Numeric, ""},
      {PANEL_CALIB, CAL_SAVE, K::CommandButton, "CC_ButtonSaveCalValues"},
      {PANEL_CALIB, CAL_DISCARD, K::CommandButton, "CC_DiscardCalibration"},
      {PANEL_CALIB, CAL_SLOPE, K::Numeric, ""},
      {PANEL_CALIB, CAL_OFFSET, K::Numeric, ""},
      {PANEL_CALIB, CAL_OPMODE, K::BinarySwitch, "CC_BINSWopmode"},
      {PANEL_CALIB, CAL_HYSTERESIS, K::Numeric, ""},
      {PANEL_CALIB, CAL_WRITE_XFLASH, K::CommandButton, "CC_WriteXFLASH"},
      {PANEL_CALIB, CAL_READ_XFLASH, K::CommandButton, "CC_ReadXFLASH"},
      {PANEL_COMSET, COM_BAUD, K::Ring, "CC_DROPBaudRate"},
      {PANEL_COMSET, COM_PORT, K::Numeric, "CC_NUMrs232comport"},
      {PANEL_COMSET, COM_MESSAGE, K::TextMessage, ""},
      {PANEL_COMSET, COM_ACCEPT, K::CommandButton, "CC_CBTNAcceptComSetting"},
      {PANEL_COMSET, COM_DISCARD, K::CommandButton, "CC_CBTNDiscardComSetting"},
      {PANEL_COMSET, COM_TRY, K::CommandButton, "CC_CBTNTryToConnect"},
      {PANEL_COMSET, COM_HELP, K::TextBox, "CC_HelpText3"},
      {PANEL_COMSET, COM_CHANGE_BAUD, K::CommandButton, "CC_CBTNChangeBaudRate"},
      {PANEL_COMSET, COM_PORT_LIST, K::Ring, "CC_RINGPortList"},
      {PANEL_COMSET, COM_PORT_HINT, K::TextMessage, ""},
  };
  return all;
}

class ResourceFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(File(), nullptr) << "the resource file does not parse"; }
};

TEST_F(ResourceFileTest, PanelsSitWhereStartUpPutsThem) {
  std::set<int> resources;
  for (const auto& [res, panel] : File()->panels) resources.insert(res);
  EXPECT_EQ(resources, (std::set<int>{ids::PANEL_CALIB, ids::PANEL_COMSET, ids::PANEL_MAIN,
                                      ids::PANEL_PARA1, ids::PANEL_PARA2, ids::PANEL_RECORDER}));

  const rt::Panel& main = P(ids::PANEL_MAIN);
  EXPECT_EQ(main.width, kMainWidth);
  EXPECT_EQ(main.height, kMainHeight);
  EXPECT_EQ(main.callback, "CC_PANEL");
  EXPECT_EQ(main.title, "KAVRO-XB-Scope");

  const rt::Panel& com = P(ids::PANEL_COMSET);
  EXPECT_EQ(com.top, kComsetTop);
  EXPECT_EQ(com.left, kComsetLeft);
  EXPECT_LE(kComsetLeft + com.width, main.width);
  EXPECT_LE(kComsetTop + com.height, main.height);

  // The four child panels share one place where start-up puts them and must fit there. They
  // end left of the settings panel, so that neither covers part of the other when both are
  // shown.
  const rt::Panel& para1 = P(ids::PANEL_PARA1);
  EXPECT_GT(para1.width, 0);
  EXPECT_GT(para1.height, 0);
  for (int res : {ids::PANEL_PARA1, ids::PANEL_PARA2, ids::PANEL_RECORDER, ids::PANEL_CALIB}) {
    SCOPED_TRACE(res);
    const rt::Panel& child = P(res);
    EXPECT_EQ(child.top, kChildTop);
    EXPECT_EQ(child.left, kChildLeft);
    EXPECT_EQ(child.width, para1.width);
    EXPECT_EQ(child.height, para1.height);
    EXPECT_LT(child.left + child.width, com.left);
    EXPECT_LE(kChildTop + child.height, main.height);
  }
}

TEST_F(ResourceFileTest, EveryControlHasTheKindAndCallbackTheProgramExpects) {
  std::set<std::pair<int, int>> known;
  for (const Expected& e : AllControls()) {
    SCOPED_TRACE("panel " + std::to_string(e.panel) + " control " + std::to_string(e.id));
    known.insert({e.panel, e.id});
    const auto& controls = P(e.panel).controls;
    auto it = controls.find(e.id);
    ASSERT_NE(it, controls.end());
    EXPECT_EQ(it->second.kind, e.kind);
    EXPECT_EQ(it->second.callback, e.callback);
  }
  // Nothing in the file that the program would not know about.
  for (const auto& [res, panel] : File()->panels)
    for (const auto& [id, c] : panel.controls)
      EXPECT_TRUE(known.count({res, id})) << "panel " << res << " control " << id << " " << c.name;
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
  const Rect header = RectOf(Ctl(ids::PANEL_MAIN, ids::MAIN_HEADER));
  EXPECT_EQ(std::make_tuple(header.left, header.top, header.width),
            std::make_tuple(0, 0, kMainWidth));
  const rt::Panel& child = P(ids::PANEL_PARA1);
  const Rect childPlace{kChildLeft, kChildTop, child.width, child.height};
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

TEST_F(ResourceFileTest, StatusLineAndHelpBoxes) {
  // The status line is the bottom line of the main panel.
  const rt::Control& status = Ctl(ids::PANEL_MAIN, ids::MAIN_STATUS);
  EXPECT_GE(status.width, 600);
  EXPECT_GE(status.top + status.height, P(ids::PANEL_MAIN).height - 10);
  for (const auto& [id, c] : P(ids::PANEL_MAIN).controls)
    EXPECT_LE(c.top, status.top) << c.name << " lies below the status line";
  // Messages are set with SetCtrlVal, which a text box would append to.
  EXPECT_NE(status.kind, K::TextBox);
  EXPECT_NE(Ctl(ids::PANEL_COMSET, ids::COM_MESSAGE).kind, K::TextBox);

  const rt::Control& help = Ctl(ids::PANEL_MAIN, ids::MAIN_HELP);
  const rt::Control& large = Ctl(ids::PANEL_MAIN, ids::MAIN_HELP_LARGE);
  const rt::Control& comHelp = Ctl(ids::PANEL_COMSET, ids::COM_HELP);
  EXPECT_FALSE(help.visible);
  EXPECT_FALSE(large.visible);
  EXPECT_FALSE(comHelp.visible);
  EXPECT_GT(large.width * large.height, help.width * help.height);
  EXPECT_GE(large.width, help.width);
  EXPECT_GE(large.height, help.height);
  // Long enough for the longest help texts (about 46 characters, up to 8 lines).
  EXPECT_GE(help.width, 300);
  EXPECT_GE(large.height, 120);

  // The settings panel's help box opens beside the button it explains: 15 right of Try to
  // connect, 10 right of Accept, 200 left of Discard, 65 above each. It stays inside the panel
  // and wide enough for its longest line.
  const rt::Panel& com = P(ids::PANEL_COMSET);
  EXPECT_GE(comHelp.width, 296);
  struct Beside {
    int button, dx;
  };
  for (Beside b :
       {Beside{ids::COM_TRY, 15}, Beside{ids::COM_ACCEPT, 10}, Beside{ids::COM_DISCARD, -200}}) {
    const rt::Control& button = Ctl(ids::PANEL_COMSET, b.button);
    SCOPED_TRACE(button.name);
    const int left = button.left + b.dx, top = button.top - 65;
    EXPECT_GE(left, 0);
    EXPECT_GE(top, 0);
    EXPECT_LE(left + comHelp.width, com.width);
    EXPECT_LE(top + comHelp.height, button.top);
  }
}

TEST_F(ResourceFileTest, GraphsAndWhatIsShownAtStart) {
  const rt::Control& roll = Ctl(ids::PANEL_MAIN, ids::MAIN_ROLL_GRAPH);
  EXPECT_EQ(roll.strip.numTraces, 6);
  EXPECT_EQ(roll.strip.pointsPerScreen, 101);
  EXPECT_TRUE(roll.visible);
  EXPECT_FALSE(Ctl(ids::PANEL_MAIN, ids::MAIN_VIDEO_GRAPH).visible);
  EXPECT_FALSE(Ctl(ids::PANEL_MAIN, ids::MAIN_PIXEL_GRAPH).visible);
  EXPECT_TRUE(Ctl(ids::PANEL_MAIN, ids::MAIN_DATA_GRAPH).visible);
  // The three big graphs take turns in one place; the data graph below shares their width and
  // is high enough to read its cursors and bands.
  for (int id : {ids::MAIN_VIDEO_GRAPH, ids::MAIN_PIXEL_GRAPH}) {
    const rt::Control& g = Ctl(ids::PANEL_MAIN, id);
    EXPECT_EQ(std::make_tuple(g.left, g.top, g.width, g.height),
              std::make_tuple(roll.left, roll.top, roll.width, roll.height))
        << g.name;
  }
  const rt::Control& data = Ctl(ids::PANEL_MAIN, ids::MAIN_DATA_GRAPH);
  EXPECT_EQ(data.left, roll.left);
  EXPECT_EQ(data.width, roll.width);
  EXPECT_GE(data.top, roll.top + roll.height);
  EXPECT_GE(data.height, 80);
  const rt::Control& zoom = Ctl(ids::PANEL_MAIN, ids::MAIN_ZOOM);
  const rt::Control& raw = Ctl(ids::PANEL_MAIN, ids::MAIN_RAW);
  EXPECT_EQ(std::make_tuple(zoom.left, zoom.top, zoom.width, zoom.height),
            std::make_tuple(raw.left, raw.top, raw.width, raw.height));
  EXPECT_TRUE(zoom.visible);
  EXPECT_FALSE(raw.visible);
  EXPECT_FALSE(Ctl(ids::PANEL_CALIB, ids::CAL_WRITE_XFLASH).visible);

  // Parameter panel 1 is the child shown at start, RAM the transfer target.
  EXPECT_EQ(Ctl(ids::PANEL_MAIN, ids::MAIN_TOGG_PARA1).num, 1);
  for (int id : {ids::MAIN_TOGG_PARA2, ids::MAIN_TOGG_RECORDER, ids::MAIN_TOGG_CALIB})
    EXPECT_EQ(Ctl(ids::PANEL_MAIN, id).num, 0) << id;
  EXPECT_EQ(Ctl(ids::PANEL_MAIN, ids::MAIN_RAM).num, 1);
  EXPECT_EQ(Ctl(ids::PANEL_MAIN, ids::MAIN_EEPROM).num, 0);
  EXPECT_EQ(Ctl(ids::PANEL_MAIN, ids::MAIN_FILE).num, 0);
}

std::vector<std::string> Labels(const rt::Control& ring) {
  std::vector<std::string> out;
  for (const rt::RingItem& item : ring.items) out.push_back(item.label);
  return out;
}

// Item values must be 0, 1, 2, ... in order, so that a parameter value selects one item.
void ExpectValuesFromZero(const rt::Control& ring, int last) {
  ASSERT_EQ(ring.items.size(), static_cast<size_t>(last + 1)) << ring.name;
  for (int v = 0; v <= last; ++v) EXPECT_EQ(ring.items[v].value, v) << ring.name;
}

TEST_F(ResourceFileTest, RingsOfferEveryValueTheSensorCanHold) {
  using V = std::vector<std::string>;
  const rt::Control& out = Ctl(ids::PANEL_PARA1, ids::P1_OUT_MODE);
  ExpectValuesFromZero(out, 2);
  EXPECT_EQ(Labels(out), (V{"[ - ]OUT0, [+]OUT1, [OK]OUT2", "[TRG]OUT0, [+]OUT1, [OK]OUT2",
                            "[TRG]OUT0, [-]OUT1, [OK]OUT2"}));
  const rt::Control& in0 = Ctl(ids::PANEL_PARA2, ids::P2_IN0_FUNC);
  ExpectValuesFromZero(in0, 5);
  EXPECT_EQ(Labels(in0), (V{"NOT USED", "TRIGG-IN0 L/H", "TRIGG-IN0 HIGH", "SAVE VTHD->EE",
                            "OUTPUT WIDTH", "LASER-ON-IN0 HIGH"}));
  const rt::Control& baud = Ctl(ids::PANEL_COMSET, ids::COM_BAUD);
  ExpectValuesFromZero(baud, 4);
  EXPECT_EQ(Labels(baud), (V{"9600", "19200", "38400", "57600", "115200"}));
  const rt::Control& vthd = Ctl(ids::PANEL_PARA2, ids::P2_VTHD_MODE);
  ExpectValuesFromZero(vthd, 1);
  EXPECT_EQ(Labels(vthd), (V{"FIXED", "AUTO"}));
  const rt::Control& rs232 = Ctl(ids::PANEL_RECORDER, ids::REC_RS232_MODE);
  ExpectValuesFromZero(rs232, 4);
  const V rs232Labels = Labels(rs232);
  EXPECT_EQ(V(rs232Labels.begin(), rs232Labels.begin() + 4),
            (V{"STATIC(REC)", "EXT-IN0-L/H", "EXT-IN0-L/H(3-BYTE)", "CONTINUOUS"}));

  // The limits applied when a parameter set is shown let these values through.
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA1, ids::P1_EVAL_MODE), 4);
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA1, ids::P1_AVERAGE), 256);
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA1, ids::P1_ANALOG_OUT), 7);
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA1, ids::P1_POLARITY), 1);
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA1, ids::P1_INT_TRIG), 1);
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA2, ids::P2_FILTER), 64);
  ExpectValuesFromZero(Ctl(ids::PANEL_PARA2, ids::P2_HW_MODE), 3);
  EXPECT_FALSE(Ctl(ids::PANEL_PARA1, ids::P1_ZOOM_MODE).items.empty());

  for (const auto& [res, panel] : File()->panels)
    for (const auto& [id, c] : panel.controls)
      for (const rt::RingItem& item : c.items) EXPECT_FALSE(item.label.empty()) << c.name;
}

TEST_F(ResourceFileTest, SwitchesSlidersAndFieldsTakeTheirValues) {
  const rt::Control& target = Ctl(ids::PANEL_PARA2, ids::P2_THD_TARGET);
  EXPECT_EQ(target.offValue, 1);  // RAM
  EXPECT_EQ(target.onValue, 2);   // EEPROM
  EXPECT_EQ(target.offText, "RAM");
  EXPECT_EQ(target.onText, "EEPROM");
  const rt::Control& opmode = Ctl(ids::PANEL_CALIB, ids::CAL_OPMODE);
  EXPECT_EQ(opmode.offValue, 0);
  EXPECT_EQ(opmode.onValue, 1);

  const rt::Control& power = Ctl(ids::PANEL_PARA2, ids::P2_POWER);
  EXPECT_EQ(power.minValue, 0);
  EXPECT_EQ(power.maxValue, 1000);
  const rt::Control& vthd = Ctl(ids::PANEL_PARA2, ids::P2_VTHD);
  EXPECT_EQ(vthd.minValue, 10);
  EXPECT_EQ(vthd.maxValue, 950);

  const rt::Control& samples = Ctl(ids::PANEL_RECORDER, ids::REC_SAMPLES);
  EXPECT_TRUE(samples.integerData);
  EXPECT_EQ(samples.minValue, 1);
  EXPECT_EQ(samples.maxValue, 32000);
  // The interval field also takes the service code 8642 that unlocks the flash upload.
  const rt::Control& interval = Ctl(ids::PANEL_RECORDER, ids::REC_INTERVAL);
  EXPECT_FALSE(interval.integerData);
  EXPECT_DOUBLE_EQ(interval.minValue, 0.1);
  EXPECT_GE(interval.maxValue, 8642);
  EXPECT_GE(interval.precision, 1);

  for (int id : {ids::CAL_SLOPE, ids::CAL_OFFSET, ids::CAL_FIT_SLOPE, ids::CAL_FIT_OFFSET}) {
    EXPECT_FALSE(Ctl(ids::PANEL_CALIB, id).integerData) << id;
    EXPECT_GT(Ctl(ids::PANEL_CALIB, id).precision, 0) << id;
  }
  for (int id : {ids::MAIN_UM_VALUE, ids::MAIN_TOL_UP, ids::MAIN_TOL_LOW})
    EXPECT_FALSE(Ctl(ids::PANEL_MAIN, id).integerData) << id;
  // MAX - MIN can be negative.
  EXPECT_LT(Ctl(ids::PANEL_MAIN, ids::MAIN_MAIN_VALUE).minValue, 0);
}

TEST_F(ResourceFileTest, BoundControlsStartWithTheStartValuesOfTheParameterSet) {
  struct Start {
    int panel, id;
    double value;
  };
  const std::vector<Start> starts = {
      {ids::PANEL_MAIN, ids::MAIN_EVAL_BEGIN, 1},    {ids::PANEL_MAIN, ids::MAIN_EVAL_END, 1024},
      {ids::PANEL_MAIN, ids::MAIN_PORT, 1},          {ids::PANEL_PARA2, ids::P2_POWER, 500},
      {ids::PANEL_PARA1, ids::P1_POLARITY, 1},       {ids::PANEL_PARA1, ids::P1_EVAL_MODE, 1},
      {ids::PANEL_PARA2, ids::P2_TEACH_VALUE, 512},  {ids::PANEL_PARA1, ids::P1_TOL_UP, 100},
      {ids::PANEL_PARA1, ids::P1_TOL_LOW, 100},      {ids::PANEL_PARA1, ids::P1_AVERAGE, 1},
      {ids::PANEL_PARA2, ids::P2_IN0_FUNC, 0},       {ids::PANEL_PARA1, ids::P1_ANALOG_OUT, 0},
      {ids::PANEL_CALIB, ids::CAL_OPMODE, 0},        {ids::PANEL_PARA2, ids::P2_HW_MODE, 1},
      {ids::PANEL_PARA2, ids::P2_VTHD_MODE, 0},      {ids::PANEL_PARA2, ids::P2_VTHD, 40},
      {ids::PANEL_RECORDER, ids::REC_RS232_MODE, 0}, {ids::PANEL_COMSET, ids::COM_BAUD, 1},
      {ids::PANEL_PARA2, ids::P2_FILTER, 0},         {ids::PANEL_PARA1, ids::P1_ZOOM_MODE, 0},
      {ids::PANEL_PARA1, ids::P1_INT_TRIG, 0},       {ids::PANEL_PARA1, ids::P1_TRIG_PIXEL, 0},
      {ids::PANEL_PARA1, ids::P1_OUT_MODE, 0},       {ids::PANEL_CALIB, ids::CAL_HYSTERESIS, 0},
      {ids::PANEL_CALIB, ids::CAL_SLOPE, 1.0},       {ids::PANEL_CALIB, ids::CAL_OFFSET, 0.0},
      {ids::PANEL_COMSET, ids::COM_PORT, 1},         {ids::PANEL_CALIB, ids::CAL_SIZE1, 7960},
      {ids::PANEL_CALIB, ids::CAL_SIZE2, 21960},
  };
  for (const Start& s : starts)
    EXPECT_DOUBLE_EQ(Ctl(s.panel, s.id).num, s.value) << Ctl(s.panel, s.id).name;

  // Every start value is one the control can show.
  for (const auto& [res, panel] : File()->panels) {
    for (const auto& [id, c] : panel.controls) {
      if (c.kind == K::Numeric || c.kind == K::Slider) {
        EXPECT_LE(c.minValue, c.num) << c.name;
        EXPECT_LE(c.num, c.maxValue) << c.name;
      } else if (c.kind == K::Ring) {
        EXPECT_TRUE(std::any_of(c.items.begin(), c.items.end(), [&](const rt::RingItem& i) {
          return i.value == c.num;
        })) << c.name;
      } else if (c.kind == K::BinarySwitch) {
        EXPECT_TRUE(c.num == c.onValue || c.num == c.offValue) << c.name;
      }
    }
  }
}

}  // namespace
