// Where the main window goes from the place and size saved in the settings file.
#include "app/window_fit.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr ScreenArea kScreen{1280, 800};
constexpr WindowRect kResource{40, 40, 780, 548};

void ExpectRect(WindowRect r, WindowRect expected) {
  EXPECT_EQ(r.left, expected.left);
  EXPECT_EQ(r.top, expected.top);
  EXPECT_EQ(r.width, expected.width);
  EXPECT_EQ(r.height, expected.height);
}

TEST(WindowFit, SizeWithinTheScreenIsTakenAsItIs) {
  ExpectRect(FitSize(kResource, 900, 600, kScreen), {40, 40, 900, 600});
  ExpectRect(FitSize(kResource, 1280, 800, kScreen), {40, 40, 1280, 800});
  ExpectRect(FitSize(kResource, 1, 1, kScreen), {40, 40, 1, 1});
}

TEST(WindowFit, SizeBeyondTheScreenIsLimitedAndNonPositiveKeepsTheCurrent) {
  ExpectRect(FitSize(kResource, 1281, 801, kScreen), {40, 40, 1280, 800});
  ExpectRect(FitSize(kResource, LONG_MAX, INT_MAX, kScreen), {40, 40, 1280, 800});
  ExpectRect(FitSize(kResource, 0, -1, kScreen), kResource);
  ExpectRect(FitSize(kResource, INT_MIN, 700, kScreen), {40, 40, 780, 700});
}

TEST(WindowFit, PlaceWithAGrippableTitleBarIsKept) {
  const WindowRect sized{0, 0, 780, 548};
  ExpectRect(FitPlace(sized, 100, 120, kScreen), {100, 120, 780, 548});
  // Left edge far off to the left, but 40 pixels of the bar still on the screen.
  ExpectRect(FitPlace(sized, 40 - 780, 10, kScreen), {40 - 780, 10, 780, 548});
  // Right part of the screen: the bar starts 40 pixels before its right edge.
  ExpectRect(FitPlace(sized, 1280 - 40, 799, kScreen), {1240, 799, 780, 548});
}

TEST(WindowFit, PlaceWithoutTheTitleBarOnTheScreenIsMovedOntoIt) {
  const WindowRect sized{0, 0, 780, 548};
  ExpectRect(FitPlace(sized, 39 - 780, 10, kScreen), {0, 10, 780, 548});
  ExpectRect(FitPlace(sized, 1241, 10, kScreen), {1280 - 780, 10, 780, 548});
  ExpectRect(FitPlace(sized, 100, -1, kScreen), {100, 0, 780, 548});
  ExpectRect(FitPlace(sized, 100, 800, kScreen), {100, 800 - 548, 780, 548});
  ExpectRect(FitPlace(sized, LONG_MIN, LONG_MAX, kScreen), {0, 800 - 548, 780, 548});
  // A window as large as the screen goes to its corner: 1000000000 x 1000000000
  // from the file, wanted 20/40 off the corner, lies wholly on the screen.
  ExpectRect(FitPlace(FitSize(kResource, 1000000000, 1000000000, kScreen), 20, 40, kScreen),
             {0, 0, 1280, 800});
  ExpectRect(FitPlace({0, 0, 1280, 600}, 20, 40, kScreen), {0, 40, 1280, 600});
  const WindowRect full{0, 0, 1280, 800};
  ExpectRect(FitPlace(full, -100000, -100000, kScreen), {0, 0, 1280, 800});
  ExpectRect(FitPlace(full, INT_MAX, INT_MAX, kScreen), {0, 0, 1280, 800});
}

}  // namespace
