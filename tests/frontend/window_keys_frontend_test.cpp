// The window's keys and its picture in the Qt front end: a key installed on a
// panel reaches the program also from a field that has the focus, though the
// field would take it for its own editing (Ctrl+A here, as Ctrl+E on an X11
// desktop), and the picture of the window holds its child panel as shown.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "harness/scratch_name.h"
#include "harness/screen_time.h"
#include "qt/front_end.h"
#include "runtime/events.h"
#include "runtime/panel_load.h"
#include "runtime/resource.h"
#include "runtime/ui_model.h"
#include "runtime/window_picture.h"

namespace {

// Qt is brought up once for the whole front-end suite (qt_frontend_test.cpp).

constexpr const char* kResource = R"({"panels": [
 {"resource": 1, "title": "Keys", "top": 40, "left": 40, "width": 300, "height": 200,
  "backColor": "#E0E0E0", "controls": []},
 {"resource": 2, "title": "child", "top": 100, "left": 150, "width": 140, "height": 90,
  "backColor": "#FF0000", "controls": [
  {"id": 1, "name": "FIELD", "kind": "numeric", "top": 10, "left": 10, "width": 80, "height": 22,
   "min": 0, "max": 100, "value": 5}]}
]})";

int g_pressed = 0;

TEST(WindowKeysFrontEnd, KeysFromAFocusedFieldAndThePictureWithItsChildPanel) {
  const auto dir = std::filesystem::temp_directory_path();
  const std::string layout = (dir / harness::ScratchName("window_keys", ".uir")).string();
  const std::string picture = (dir / harness::ScratchName("window_keys", ".png")).string();
  std::ofstream(layout) << kResource;
  const int main = rt::LoadPanel(0, layout, 1);
  const int child = rt::LoadPanel(main, layout, 2);
  ASSERT_GT(child, 0);
  rt::InstallPanelKeys(main, "Ctrl+A", [] { ++g_pressed; });
  rt::DisplayPanel(main);
  rt::DisplayPanel(child);
  harness::LetTheScreenCatchUp();

  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QString("panel%1").arg(main)) window = w;
  ASSERT_NE(window, nullptr);
  QApplication::setActiveWindow(window);
  auto* field = window->findChild<QAbstractSpinBox*>("FIELD");
  ASSERT_NE(field, nullptr);
  QLineEdit* edit = field->findChild<QLineEdit*>();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  harness::LetTheScreenCatchUp();
  EXPECT_EQ(g_pressed, 1);

  ASSERT_EQ(rt::SavePanelPicture(main, picture), 0);
  const QImage image(QString::fromStdString(picture));
  EXPECT_EQ(image.size(), window->size());
  EXPECT_EQ(image.pixelColor(150 + 120, 100 + 70), QColor(255, 0, 0));  // the child panel
  EXPECT_EQ(image.pixelColor(20, 20), QColor(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(rt::SavePanelPicture(main, (dir / "no-such-folder" / "x.png").string()), -1);
  std::filesystem::remove(layout);
  std::filesystem::remove(picture);
  rt::ResetUiModel();
  rt::ClearResourceFiles();
}

}  // namespace
