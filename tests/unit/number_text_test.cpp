// Numbers in the text of controls keep their decimal point on a desktop whose
// language writes a decimal comma.
#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "runtime/ui_model.h"

namespace {

// Puts the whole process into German number conventions for one test, when
// the machine offers them (scripts/install-deps.sh generates de_DE.UTF-8).
class GermanDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::setlocale(LC_ALL, nullptr);
    saved_ = old ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
      GTEST_SKIP() << "locale de_DE.UTF-8 is not available (run scripts/install-deps.sh)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5") << "the locale does not write a decimal comma";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, saved_.c_str());
    rt::ResetUiModel();
  }

  // A string control of the given number of decimal places on a fresh panel.
  int textControl(int decimals) {
    rt::Panel p;
    rt::Control c;
    c.id = 1;
    c.kind = rt::ControlKind::String;
    c.precision = decimals;
    p.controls[1] = c;
    panel_ = rt::AddPanel(0, p);
    return panel_;
  }

  std::string saved_;
  int panel_ = 0;
};

TEST_F(GermanDesktop, FixedDecimalsUseAPoint) {
  EXPECT_EQ(rt::FormatFixed(0.1, 1), "0.1");
  EXPECT_EQ(rt::FormatFixed(0.1, 2), "0.10");
  EXPECT_EQ(rt::FormatFixed(0.1, 3), "0.100");
  EXPECT_EQ(rt::FormatFixed(-1234.5678, 2), "-1234.57");
  EXPECT_EQ(rt::FormatFixed(2.5, 0), "2");  // rounds half to even, as printf does
  EXPECT_EQ(rt::FormatFixed(7, -1), "7");
}

TEST_F(GermanDesktop, TextReadsAsANumberWithAPoint) {
  EXPECT_DOUBLE_EQ(rt::ParseNumber("0.5"), 0.5);
  EXPECT_DOUBLE_EQ(rt::ParseNumber("  +12.25 mm"), 12.25);
  EXPECT_DOUBLE_EQ(rt::ParseNumber("-3e2"), -300);
  EXPECT_DOUBLE_EQ(rt::ParseNumber(".75"), 0.75);
  // A comma ends the number, as it does for the C run-time.
  EXPECT_DOUBLE_EQ(rt::ParseNumber("0,5"), 0);
  EXPECT_DOUBLE_EQ(rt::ParseNumber("1,5"), 1);
  EXPECT_DOUBLE_EQ(rt::ParseNumber(""), 0);
  EXPECT_DOUBLE_EQ(rt::ParseNumber("abc"), 0);
  EXPECT_DOUBLE_EQ(rt::ParseNumber("1e999"), 0);
}

TEST_F(GermanDesktop, ControlShowsOneToThreeDecimalsWithAPoint) {
  const char* expected[] = {"0.1", "0.10", "0.100"};
  for (int decimals = 1; decimals <= 3; ++decimals) {
    const int panel = textControl(decimals);
    ASSERT_GT(panel, 0);
    ASSERT_EQ(rt::SetCtrlVal(panel, 1, 0.1), 0);
    std::string shown;
    rt::GetCtrlVal(panel, 1, &shown);
    EXPECT_EQ(shown, expected[decimals - 1]) << decimals << " decimals";
  }
}

TEST_F(GermanDesktop, ValueTypedWithAPointReadsBackWhole) {
  const int panel = textControl(1);
  ASSERT_GT(panel, 0);
  rt::SetCtrlVal(panel, 1, std::string("0.5"));
  double value = 0;
  ASSERT_EQ(rt::GetCtrlVal(panel, 1, &value), 0);
  EXPECT_DOUBLE_EQ(value, 0.5);
  float single = 0;
  rt::GetCtrlVal(panel, 1, &single);
  EXPECT_FLOAT_EQ(single, 0.5f);
}

}  // namespace
