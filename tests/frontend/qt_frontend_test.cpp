// The Qt front end: real widgets on Qt's offscreen platform, driven with mouse and key events as
// the operator drives them, and checked against the model and the events the program receives.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "harness/scratch_name.h"
#include "harness/screen_time.h"
#include "qt/front_end.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/panel_load.h"
#include "runtime/resource.h"
#include "runtime/ui_model.h"

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "qt_frontend_test";
    static char* argv[] = {name, nullptr};
    ASSERT_TRUE(qtfront::Initialise(argc, argv));
  }
  void TearDown() override { qtfront::Shutdown(); }
};
::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr const char* kResource = R"({"panels": [
 {"resource": 1, "title": "Front end test", "top": 50, "left": 60, "width": 420, "height": 320,
  "callback": "RecordPanel", "controls": [
  {"id": 1, "name": "GO", "kind": "command", "label": "GO", "top": 10, "left": 10, "width": 60, "height": 24, "callback": "Record"},
  {"id": 2, "name": "LATCH", "kind": "toggle", "label": "LATCH", "top": 10, "left": 80, "width": 60, "height": 24, "callback": "Record"},
  {"id": 3, "name": "LIMIT", "kind": "numeric", "label": "LIMIT", "top": 60, "left": 10, "width": 80, "height": 22, "min": 0, "max": 100, "value": 5, "callback": "Record"},
  {"id": 4, "name": "PICK", "kind": "ring", "label": "PICK", "top": 60, "left": 100, "width": 80, "height": 22, "value": 20, "callback": "Record",
   "items": [{"label": "A", "value": 10}, {"label": "B", "value": 20}, {"label": "C", "value": 30}]},
  {"id": 5, "name": "HELP", "kind": "textbox", "top": 100, "left": 10, "width": 200, "height": 60, "lines": ["one", "two"], "callback": "Record", "visible": false},
  {"id": 6, "name": "CURVE", "kind": "graph", "top": 170, "left": 10, "width": 200, "height": 120, "xAxis": {"min": 0, "max": 10, "mode": "manual"}},
  {"id": 7, "name": "ROLL", "kind": "strip-chart", "top": 170, "left": 220, "width": 190, "height": 120, "traces": 2, "pointsPerScreen": 5},
  {"id": 8, "name": "MEMORY", "kind": "binary-switch", "top": 10, "left": 150, "width": 100, "height": 22, "offText": "RAM", "onText": "EEPROM", "offValue": 1, "onValue": 2, "value": 1, "callback": "Record"},
  {"id": 9, "name": "READOUT", "kind": "numeric", "top": 60, "left": 200, "width": 80, "height": 22, "dataType": "double", "precision": 2, "min": 0, "max": 10},
  {"id": 10, "name": "NOTE", "kind": "text-message", "top": 40, "left": 300, "width": 100, "height": 20, "text": "note", "callback": "Record"},
  {"id": 11, "name": "LOGO", "kind": "picture", "top": 290, "left": 300, "width": 40, "height": 20},
  {"id": 12, "name": "OUT1", "kind": "led", "top": 290, "left": 350, "width": 20, "height": 20}
 ]},
 {"resource": 2, "title": "child", "top": 95, "left": 5, "width": 250, "height": 70, "controls": []},
 {"resource": 3, "title": "other child", "top": 95, "left": 150, "width": 250, "height": 70, "controls": []}
]})";

std::vector<std::pair<int, int>> g_events;  // (control, event); control 0 for the panel

int Record(int, int control, int event, void*, int, int) {
  g_events.push_back({control, event});
  return 0;
}
int RecordPanel(int, int event, void*, int, int) {
  g_events.push_back({0, event});
  return 0;
}

class FrontEndWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::ResetUiModel();
    rt::ResetEvents();
    rt::ClearCallbackRegistry();
    rt::ClearResourceFiles();
    rt::RegisterCtrlCallback("Record", Record);
    rt::RegisterPanelCallback("RecordPanel", RecordPanel);
    path_ =
        (std::filesystem::temp_directory_path() / harness::ScratchName("qt_frontend_test", ".uir"))
            .string();
    std::ofstream(path_) << kResource;
    panel_ = rt::LoadPanel(0, path_, 1);
    child_ = rt::LoadPanel(panel_, path_, 2);
    ASSERT_GT(panel_, 0);
    ASSERT_GT(child_, 0);
    rt::DisplayPanel(panel_);
    events();
  }
  void TearDown() override {
    rt::ResetUiModel();
    std::filesystem::remove(path_);
  }

  // The program's event loop run for a few frames, so that the windows show
  // the model; returns what the callbacks saw.
  std::vector<std::pair<int, int>> events() {
    g_events.clear();
    harness::LetTheScreenCatchUp();
    return g_events;
  }
  QWidget* window() const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QString("panel%1").arg(panel_)) return w;
    return nullptr;
  }
  template <typename W = QWidget>
  W* widget(const char* name) const {
    return window() ? window()->findChild<W*>(name) : nullptr;
  }
  static void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at = {}) {
    if (at.isNull()) at = w->rect().center();
    QMouseEvent e(type, at, w->mapToGlobal(at), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
  }
  static void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
    mouse(w, QEvent::MouseButtonPress, button);
    mouse(w, QEvent::MouseButtonRelease, button);
  }
  static void key(QWidget* w, int k, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
  }
  rt::Control& model(int control) const { return *rt::FindControl(panel_, control); }

  using Events = std::vector<std::pair<int, int>>;
  std::string path_;
  int panel_ = 0, child_ = 0;
};

TEST_F(FrontEndWindows, PanelsBecomeWindowsAndChildAreas) {
  QWidget* w = window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Front end test");
  EXPECT_EQ(w->geometry(), QRect(60, 50, 420, 320));
  EXPECT_TRUE(w->isVisible());
  QWidget* child = w->findChild<QWidget*>(QString("panel%1").arg(child_));
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->isHidden());  // loaded, not displayed yet

  rt::DisplayPanel(child_);
  rt::SetPanelPos(child_, 100, 8);
  events();
  EXPECT_TRUE(child->isVisible());
  EXPECT_EQ(child->geometry(), QRect(8, 100, 250, 70));

  // The panel displayed last is in front, as the platform's DisplayPanel does.
  int other = rt::LoadPanel(panel_, path_, 3);
  rt::DisplayPanel(other);
  events();
  QWidget* otherArea = w->findChild<QWidget*>(QString("panel%1").arg(other));
  auto inFront = [w](QWidget* panel) {
    QWidget* top = w->childAt(QPoint(200, 120));
    return top == panel || panel->isAncestorOf(top);
  };
  EXPECT_TRUE(inFront(otherArea));
  rt::HidePanel(child_);
  events();
  rt::DisplayPanel(child_);
  events();
  EXPECT_TRUE(inFront(child));
  // Controls made at run time stay under the child panels.
  int late = rt::NewCtrl(panel_, rt::ControlKind::TextMessage, "", 110, 190);
  rt::SetCtrlVal(panel_, late, "late text");
  events();
  EXPECT_TRUE(inFront(child));

  // A shown help box lies over the child panel, so its text can be read.
  rt::SetCtrlAttribute(panel_, 5, rt::ATTR_VISIBLE, 1);
  events();
  QWidget* top = w->childAt(QPoint(50, 130));
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(top == widget("HELP") || widget("HELP")->isAncestorOf(top));

  rt::DiscardPanel(child_);
  events();
  EXPECT_EQ(w->findChild<QWidget*>(QString("panel%1").arg(child_)), nullptr);
}

TEST_F(FrontEndWindows, ModelChangesReachTheWidgets) {
  rt::SetCtrlVal(panel_, 9, 3.14159);
  rt::SetCtrlAttribute(panel_, 1, rt::ATTR_DIMMED, 1);
  rt::SetCtrlAttribute(panel_, 1, rt::ATTR_LABEL_TEXT, "STOP");
  rt::SetCtrlAttribute(panel_, 2, rt::ATTR_LEFT, 300);
  rt::SetCtrlVal(panel_, 4, 30);
  rt::ResetTextBox(panel_, 5, "first\nsecond");
  events();

  EXPECT_EQ(widget<QDoubleSpinBox>("READOUT")->text(), "3.14");
  EXPECT_FALSE(widget("GO")->isEnabled());
  EXPECT_EQ(widget<QPushButton>("GO")->text(), "STOP");
  EXPECT_EQ(widget("LATCH")->x(), 300);
  EXPECT_EQ(widget<QComboBox>("PICK")->currentText(), "C");
  EXPECT_EQ(widget<QPlainTextEdit>("HELP")->toPlainText(), "first\nsecond");
}

// The windows follow the model once a frame, whether the program keeps
// pumping (a transfer loop) or sleeps in a wait; values set in between show
// as the last of them.
TEST_F(FrontEndWindows, ScreenFollowsTheModelOnceAFrameWhenPumpingOrWaiting) {
  auto* readout = widget<QDoubleSpinBox>("READOUT");
  ASSERT_NE(readout, nullptr);
  for (double v : {1.0, 2.0, 7.5}) rt::SetCtrlVal(panel_, 9, v);
  const double until = rt::Timer() + 1.0;
  while (rt::Timer() < until && readout->text() != "7.50") rt::ProcessSystemEvents();
  EXPECT_EQ(readout->text(), "7.50");

  // A program waiting for a reply that does not come: each wait ends by the
  // next frame at the latest, and the change is on screen by then.
  rt::SetCtrlVal(panel_, 9, 8.25);
  const double shownBy = rt::Timer() + 1.0;
  int waits = 0;
  while (rt::Timer() < shownBy && readout->text() != "8.25") {
    rt::WaitForEvents(shownBy);
    rt::ProcessSystemEvents();
    ++waits;
  }
  EXPECT_EQ(readout->text(), "8.25");
  EXPECT_LT(rt::Timer(), shownBy);  // woke for the frame, did not sleep to the deadline
  EXPECT_LT(waits, 200);            // slept in between (a frame is 16 ms), did not spin
}

// A dimmed control must look dimmed whatever text colour the panel gives it; a
// banner text in the dialog font is sized in pixels like the panel layout.
TEST_F(FrontEndWindows, DimmedTextIsGreyAndDialogFontIsSizedInPixels) {
  rt::SetCtrlAttribute(panel_, 1, rt::ATTR_TEXT_COLOR, 0x000000);
  rt::SetCtrlAttribute(panel_, 3, rt::ATTR_TEXT_COLOR, 0x000000);
  rt::SetCtrlAttribute(panel_, 1, rt::ATTR_DIMMED, 1);
  rt::SetCtrlAttribute(panel_, 3, rt::ATTR_DIMMED, 1);
  int banner = rt::NewCtrl(panel_, rt::ControlKind::TextMessage, "", 290, 250);
  rt::SetCtrlAttribute(panel_, banner, rt::ATTR_TEXT_FONT, "NIDialog");
  rt::SetCtrlAttribute(panel_, banner, rt::ATTR_TEXT_POINT_SIZE, 18);
  rt::SetCtrlVal(panel_, banner, "KAVRO-XB-Scope");
  events();

  auto* go = widget("GO");
  EXPECT_NE(go->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(Qt::black));
  EXPECT_EQ(go->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::black));
  auto* limit = widget("LIMIT");
  EXPECT_NE(limit->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
  auto* text = widget<QLabel>(QString("control%1").arg(banner).toUtf8().constData());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->font().pixelSize(), 18);
  EXPECT_EQ(text->text(), "KAVRO-XB-Scope");
  EXPECT_GE(text->width(), text->sizeHint().width());  // whole text shown
}

TEST_F(FrontEndWindows, PicturesAndIndicators) {
  std::string image =
      (std::filesystem::temp_directory_path() / harness::ScratchName("qt_frontend_logo", ".png"))
          .string();
  QImage logo(80, 40, QImage::Format_RGB32);
  logo.fill(Qt::blue);
  ASSERT_TRUE(logo.save(QString::fromStdString(image)));
  rt::DisplayImageFile(panel_, 11, image);
  events();
  auto* picture = widget<QLabel>("LOGO");
  EXPECT_EQ(picture->pixmap().size(), QSize(40, 20));  // scaled into the box
  rt::DisplayImageFile(panel_, 11, image + ".missing");
  events();
  EXPECT_TRUE(picture->pixmap().isNull());
  std::filesystem::remove(image);

  auto centre = [this] {
    QWidget* led = widget("OUT1");
    return led->grab().toImage().pixelColor(led->width() / 2, led->height() / 2);
  };
  QColor unlit = centre();
  rt::SetCtrlVal(panel_, 12, 1);
  events();
  EXPECT_EQ(centre(), QColor(Qt::red));
  EXPECT_NE(unlit, QColor(Qt::red));
}

TEST_F(FrontEndWindows, GraphWithoutAutomaticRedrawWaitsForRefresh) {
  auto* plot = widget<QCustomPlot>("CURVE");
  ASSERT_NE(plot, nullptr);
  double xs[] = {1, 2, 3}, ys[] = {5, 7, 6};
  rt::SetCtrlAttribute(panel_, 6, rt::ATTR_REFRESH_GRAPH, 0);
  rt::PlotXY(panel_, 6, xs, ys, 3, rt::VAL_RED);
  events();
  EXPECT_TRUE(plot->graphCount() == 0 || plot->graph(0)->data()->isEmpty());

  rt::RefreshGraph(panel_, 6);
  events();
  ASSERT_GE(plot->graphCount(), 1);
  EXPECT_EQ(plot->graph(0)->data()->size(), 3);
  EXPECT_EQ(plot->graph(0)->pen().color(), QColor(Qt::red));
  EXPECT_EQ(plot->xAxis->range().lower, 0);  // manual
  EXPECT_EQ(plot->xAxis->range().upper, 10);
  EXPECT_EQ(plot->yAxis->range().lower, 5);  // scaled to the data
  EXPECT_EQ(plot->yAxis->range().upper, 7);

  // With automatic redraw a deletion shows at once, and a band is a filled box.
  rt::SetCtrlAttribute(panel_, 6, rt::ATTR_REFRESH_GRAPH, 1);
  rt::DeleteGraphPlot(panel_, 6, rt::VAL_ALL_PLOTS, rt::VAL_IMMEDIATE_DRAW);
  rt::PlotRectangle(panel_, 6, 2, 0, 4, 0.25, rt::VAL_GREEN, rt::VAL_GREEN);
  rt::SetGraphCursor(panel_, 6, 1, 3, 0.75);
  events();
  EXPECT_TRUE(plot->graph(0)->data()->isEmpty());
  int boxes = 0, cursorLines = 0;
  for (int i = 0; i < plot->itemCount(); ++i) {
    auto* rect = qobject_cast<QCPItemRect*>(plot->item(i));
    if (rect && rect->visible()) {
      ++boxes;
      EXPECT_EQ(rect->brush().color(), QColor(Qt::green));
      EXPECT_EQ(rect->topLeft->coords(), QPointF(2, 0.25));
    }
    auto* line = qobject_cast<QCPItemStraightLine*>(plot->item(i));
    if (line && line->visible()) {
      ++cursorLines;
      EXPECT_EQ(line->point1->coords().x(), 3);
    }
  }
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(cursorLines, 1);  // the two cursors never placed are not drawn
}

TEST_F(FrontEndWindows, StripChartShowsTheNewestScreen) {
  rt::SetTraceAttribute(panel_, 7, 2, rt::ATTR_TRACE_COLOR, rt::VAL_DK_GREEN);
  std::vector<double> data;
  for (int i = 0; i < 8; ++i) data.insert(data.end(), {double(i), double(100 + i)});
  rt::PlotStripChart(panel_, 7, data.data(), static_cast<int>(data.size()));
  events();
  auto* plot = widget<QCustomPlot>("ROLL");
  ASSERT_NE(plot, nullptr);
  ASSERT_EQ(plot->graphCount(), 2);
  auto trace2 = plot->graph(1)->data();
  ASSERT_EQ(trace2->size(), 5);
  EXPECT_EQ(trace2->at(4)->key, 4);  // newest at the right edge
  EXPECT_EQ(trace2->at(4)->value, 107);
  EXPECT_EQ(trace2->at(0)->value, 103);
  EXPECT_EQ(plot->graph(1)->pen().color(), QColor(0, 128, 0));
}

TEST_F(FrontEndWindows, ButtonsRaiseClickThenCommit) {
  click(widget("GO"));
  EXPECT_EQ(events(), (Events{{1, rt::EVENT_LEFT_CLICK}, {1, rt::EVENT_COMMIT}}));

  // Space on the focused button: the key press first, then the commit.
  key(widget("GO"), Qt::Key_Space, " ");
  EXPECT_EQ(events(), (Events{{1, rt::EVENT_KEYPRESS}, {1, rt::EVENT_COMMIT}}));

  rt::SetCtrlAttribute(panel_, 1, rt::ATTR_DIMMED, 1);
  events();
  click(widget("GO"));
  EXPECT_TRUE(events().empty());
}

TEST_F(FrontEndWindows, TwoStateControlsChangeValueBeforeTheirEvents) {
  click(widget("LATCH"));
  EXPECT_EQ(model(2).num, 1);
  EXPECT_EQ(events(),
            (Events{{2, rt::EVENT_LEFT_CLICK}, {2, rt::EVENT_VAL_CHANGED}, {2, rt::EVENT_COMMIT}}));
  EXPECT_TRUE(widget<QAbstractButton>("LATCH")->isChecked());
  click(widget("LATCH"));
  EXPECT_EQ(model(2).num, 0);
  events();

  click(widget("MEMORY"));
  EXPECT_EQ(model(8).num, 2);
  EXPECT_EQ(events(),
            (Events{{8, rt::EVENT_LEFT_CLICK}, {8, rt::EVENT_VAL_CHANGED}, {8, rt::EVENT_COMMIT}}));
}

TEST_F(FrontEndWindows, NumericFieldCountsOnEnter) {
  auto* box = widget<QDoubleSpinBox>("LIMIT");
  box->setFocus();
  key(box, Qt::Key_A, {});  // no effect on a number field
  box->selectAll();
  key(box, Qt::Key_4, "4");
  key(box, Qt::Key_2, "2");
  EXPECT_EQ(model(3).num, 5);  // not yet entered
  EXPECT_TRUE(events().empty());
  key(box, Qt::Key_Return);
  EXPECT_EQ(model(3).num, 42);
  EXPECT_EQ(events(), (Events{{3, rt::EVENT_VAL_CHANGED}, {3, rt::EVENT_COMMIT}}));

  // The program corrects the value in its callback; the field follows.
  rt::SetCtrlVal(panel_, 3, 40);
  events();
  EXPECT_EQ(box->value(), 40);
  key(box, Qt::Key_Return);
  EXPECT_EQ(events(), (Events{{3, rt::EVENT_COMMIT}}));
}

// On a German desktop (the C library and Qt writing a decimal comma) a number
// keeps its point on the screen and when the operator types it. The windows
// are made after the desktop's conventions are set, as at start-up.
TEST_F(FrontEndWindows, GermanDesktopKeepsTheDecimalPoint) {
  const std::string savedC = std::setlocale(LC_ALL, nullptr);
  const QLocale savedQt;
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "run scripts/install-deps.sh";
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_EQ(QLocale().toString(0.5, 'f', 1), "0,5");
  rt::DiscardPanel(panel_);
  panel_ = rt::LoadPanel(0, path_, 1);
  rt::DisplayPanel(panel_);
  rt::SetCtrlVal(panel_, 9, 2.25);
  events();
  auto* readout = widget<QDoubleSpinBox>("READOUT");
  ASSERT_NE(readout, nullptr);
  EXPECT_EQ(readout->text(), "2.25");
  readout->setFocus();
  readout->selectAll();
  key(readout, Qt::Key_0, "0");
  key(readout, Qt::Key_Period, ".");
  key(readout, Qt::Key_5, "5");
  key(readout, Qt::Key_Return);
  events();
  QLocale::setDefault(savedQt);
  std::setlocale(LC_ALL, savedC.c_str());
  EXPECT_DOUBLE_EQ(model(9).num, 0.5);
  EXPECT_EQ(readout->text(), "0.50");
}

TEST_F(FrontEndWindows, RingPickSetsItemValue) {
  auto* ring = widget<QComboBox>("PICK");
  key(ring, Qt::Key_Down);
  EXPECT_EQ(model(4).num, 30);
  EXPECT_EQ(events(), (Events{{4, rt::EVENT_VAL_CHANGED}, {4, rt::EVENT_COMMIT}}));
}

TEST_F(FrontEndWindows, ClicksReachOnlyTheControlUnderTheMouse) {
  // A text message takes no input of its own; its click still must not fall
  // through to the panel behind it.
  click(widget("NOTE"));
  EXPECT_EQ(events(), (Events{{10, rt::EVENT_LEFT_CLICK}}));
  click(widget("PICK"), Qt::RightButton);
  EXPECT_EQ(events(), (Events{{4, rt::EVENT_RIGHT_CLICK}}));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // the list stays closed
}

TEST_F(FrontEndWindows, RightClicksAndHelpBoxClicks) {
  rt::SetCtrlAttribute(panel_, 5, rt::ATTR_VISIBLE, 1);
  events();
  auto* help = widget<QPlainTextEdit>("HELP");
  QWidget* inner = help->viewport();
  click(inner, Qt::LeftButton);
  EXPECT_EQ(events(), (Events{{5, rt::EVENT_LEFT_CLICK}}));

  mouse(inner, QEvent::MouseButtonPress, Qt::RightButton);
  mouse(inner, QEvent::MouseButtonRelease, Qt::RightButton);
  mouse(inner, QEvent::MouseButtonDblClick, Qt::RightButton);
  mouse(inner, QEvent::MouseButtonRelease, Qt::RightButton);
  EXPECT_EQ(events(), (Events{{5, rt::EVENT_RIGHT_CLICK},
                              {5, rt::EVENT_RIGHT_CLICK},
                              {5, rt::EVENT_RIGHT_DOUBLE_CLICK}}));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no context menu
}

TEST_F(FrontEndWindows, WindowCloseResizeAndBackgroundClicks) {
  QWidget* w = window();
  w->close();
  EXPECT_EQ(events(), (Events{{0, rt::EVENT_CLOSE}}));
  EXPECT_TRUE(w->isVisible());  // the program decides

  QPoint background(400, 40);
  mouse(w, QEvent::MouseButtonPress, Qt::RightButton, background);
  mouse(w, QEvent::MouseButtonDblClick, Qt::RightButton, background);
  EXPECT_EQ(events(), (Events{{0, rt::EVENT_RIGHT_CLICK},
                              {0, rt::EVENT_RIGHT_CLICK},
                              {0, rt::EVENT_RIGHT_DOUBLE_CLICK}}));

  // The operator resizes: the model learns the size and the program is told.
  w->resize(500, 360);
  EXPECT_EQ(events(), (Events{{0, rt::EVENT_PANEL_SIZE}}));
  EXPECT_EQ(rt::FindPanel(panel_)->width, 500);
  EXPECT_EQ(rt::FindPanel(panel_)->height, 360);
  w->move(70, 80);
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(rt::FindPanel(panel_)->left, w->geometry().x());
  EXPECT_EQ(rt::FindPanel(panel_)->top, w->geometry().y());

  // The program resizes: no event back.
  rt::SetPanelSize(panel_, 548, 780);
  rt::SetPanelPos(panel_, 10, 20);
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(w->geometry(), QRect(20, 10, 780, 548));
}

TEST_F(FrontEndWindows, MaximisedWindowAndBackToItsSize) {
  QWidget* w = window();
  rt::SetPanelAttribute(panel_, rt::ATTR_WINDOW_ZOOM, rt::VAL_MAXIMIZE);
  events();
  EXPECT_TRUE(w->isMaximized());
  EXPECT_EQ(rt::FindPanel(panel_)->zoom, rt::VAL_MAXIMIZE);
  EXPECT_EQ(rt::FindPanel(panel_)->width, w->width());  // what the settings file will hold
  rt::SetPanelSize(panel_, 548, 780);
  events();
  EXPECT_FALSE(w->isMaximized());
  EXPECT_EQ(w->size(), QSize(780, 548));
  EXPECT_EQ(rt::FindPanel(panel_)->zoom, rt::VAL_NO_ZOOM);
}

// Answers the next modal dialog with what answer does to it.
template <typename Dialog, typename Answer>
void AnswerNextDialog(Answer answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(dialog);
  });
}

TEST_F(FrontEndWindows, ConfirmAndFileDialogsAnswerAsThePlatformDid) {
  AnswerNextDialog<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), "ATTENTION!");
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(rt::ConfirmPopup("ATTENTION!", "Parameter-File already exists - overwrite ?"), 1);
  AnswerNextDialog<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
  EXPECT_EQ(rt::ConfirmPopup("ATTENTION!", "overwrite ?"), 0);

  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / harness::ScratchName("qt_frontend_files", "");
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "old.dat") << "1\n";
  rt::FileSelectRequest request;
  request.defaultDirectory = dir.string();
  request.defaultName = "RECORD.DAT";
  request.filter = "*.dat";
  request.title = "KAVRO-Series Recorder-File:";
  request.restrictExtension = true;
  request.save = true;
  auto pick = [](const char* name) {
    return [name](QFileDialog* d) {
      d->selectFile(name);
      static_cast<QDialog*>(d)->accept();  // QFileDialog::accept checks the name
    };
  };
  std::string path;
  AnswerNextDialog<QFileDialog>(pick("new"));
  EXPECT_EQ(rt::FileSelectPopup(request, &path), rt::VAL_NEW_FILE_SELECTED);
  EXPECT_EQ(path, (dir / "new.dat").string());
  AnswerNextDialog<QFileDialog>(pick("old.dat"));
  EXPECT_EQ(rt::FileSelectPopup(request, &path), rt::VAL_EXISTING_FILE_SELECTED);
  EXPECT_EQ(path, (dir / "old.dat").string());
  AnswerNextDialog<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_EQ(rt::FileSelectPopup(request, &path), rt::VAL_NO_FILE_SELECTED);
  EXPECT_EQ(path, (dir / "old.dat").string());  // left as it was
  std::filesystem::remove_all(dir);
}

}  // namespace
