// The Qt entry widgets on a German desktop: numbers keep their decimal point on
// the screen and when the operator types them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "e2e/e2e_support.h"
#include "harness/scratch_name.h"
#include "harness/screen_time.h"
#include "qt/front_end.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/panel_load.h"
#include "runtime/resource.h"
#include "runtime/ui_model.h"

namespace {

constexpr const char* kResource = R"({"panels": [
 {"resource": 1, "title": "Locale test", "top": 50, "left": 60, "width": 400, "height": 120,
  "controls": [
  {"id": 1, "name": "ONE", "kind": "numeric", "top": 10, "left": 10, "width": 80, "height": 22, "dataType": "double", "precision": 1, "min": 0, "max": 10, "value": 0.1, "callback": "Entered"},
  {"id": 2, "name": "TWO", "kind": "numeric", "top": 10, "left": 100, "width": 80, "height": 22, "dataType": "double", "precision": 2, "min": 0, "max": 10, "value": 0.1},
  {"id": 3, "name": "THREE", "kind": "numeric", "top": 10, "left": 190, "width": 80, "height": 22, "dataType": "double", "precision": 3, "min": 0, "max": 10, "value": 0.1}
 ]}
]})";

int g_commits = 0;

int Entered(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) ++g_commits;
  return 0;
}

// The process as a German desktop sets it up: C library and Qt both writing
// a decimal comma. Qt starts on the offscreen platform.
class GermanDesktopWidgets : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::setlocale(LC_ALL, nullptr);
    savedC_ = old ? old : "C";
    ASSERT_TRUE(StartOffscreenFrontEnd());
    // Qt sets the C locale from the environment when it starts: do it after.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
      GTEST_SKIP() << "locale de_DE.UTF-8 is not available (run scripts/install-deps.sh)";
    savedQt_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(QLocale().toString(0.5, 'f', 1), "0,5");

    rt::ResetUiModel();
    rt::ResetEvents();
    rt::ClearCallbackRegistry();
    rt::ClearResourceFiles();
    rt::RegisterCtrlCallback("Entered", Entered);
    path_ = (std::filesystem::temp_directory_path() /
             harness::ScratchName("locale_frontend_test", ".uir"))
                .string();
    std::ofstream(path_) << kResource;
    panel_ = rt::LoadPanel(0, path_, 1);
    ASSERT_GT(panel_, 0);
    rt::DisplayPanel(panel_);
    harness::LetTheScreenCatchUp();
    g_commits = 0;
  }
  void TearDown() override {
    rt::ResetUiModel();
    rt::ProcessSystemEvents();
    if (!path_.empty()) std::filesystem::remove(path_);
    QLocale::setDefault(savedQt_);
    std::setlocale(LC_ALL, savedC_.c_str());
  }
  // Qt goes before the statics it uses are torn down at exit.
  static void TearDownTestSuite() { qtfront::Shutdown(); }

  QDoubleSpinBox* box(const char* name) const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QString("panel%1").arg(panel_))
        return w->findChild<QDoubleSpinBox*>(name);
    return nullptr;
  }
  static void type(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
  }

  std::string savedC_;
  QLocale savedQt_;
  std::string path_;
  int panel_ = 0;
};

TEST_F(GermanDesktopWidgets, NumericFieldsShowOneToThreeDecimalsWithAPoint) {
  const char* names[] = {"ONE", "TWO", "THREE"};
  const char* shown[] = {"0.1", "0.10", "0.100"};
  for (int i = 0; i < 3; ++i) {
    QDoubleSpinBox* field = box(names[i]);
    ASSERT_NE(field, nullptr) << names[i];
    EXPECT_EQ(field->text().toStdString(), shown[i]) << names[i];
  }
  // A value the program sets later is shown the same way.
  rt::SetCtrlVal(panel_, 3, 2.25);
  harness::LetTheScreenCatchUp();
  EXPECT_EQ(box("THREE")->text().toStdString(), "2.250");
}

TEST_F(GermanDesktopWidgets, ValueTypedWithAPointIsEnteredWhole) {
  QDoubleSpinBox* field = box("ONE");
  ASSERT_NE(field, nullptr);
  field->setFocus();
  field->selectAll();
  type(field, Qt::Key_0, "0");
  type(field, Qt::Key_Period, ".");
  type(field, Qt::Key_5, "5");
  type(field, Qt::Key_Return, {});
  harness::LetTheScreenCatchUp();
  EXPECT_DOUBLE_EQ(rt::FindControl(panel_, 1)->num, 0.5);
  EXPECT_EQ(field->text().toStdString(), "0.5");
  EXPECT_EQ(g_commits, 1);
}

}  // namespace
