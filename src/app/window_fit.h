// Where the main window may go: the place and size saved in the settings file
// are taken as they are as long as the window stays usable on the screen.
// Pure arithmetic on 64-bit sums, so no value from the file can overflow it.
#pragma once

struct WindowRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// The screen area the window manager leaves to windows.
struct ScreenArea {
  int width = 0, height = 0;
};

// How much of the title bar must stay on the screen to grab the window.
constexpr int kTitleGrip = 40;

// The size wanted for a window now of the size current: a dimension that is not
// positive keeps the current one; one larger than the screen is limited to it.
WindowRect FitSize(WindowRect current, long width, long height, ScreenArea screen);

// The place for a window of the given size wanted at left/top: taken as it is
// while a grip of the title bar (the strip above the top edge) lies on the
// screen; otherwise the window is moved the least way that brings it wholly
// onto the screen. A window as wide or as high as the screen (a size limited
// to it) is always brought wholly onto it.
WindowRect FitPlace(WindowRect sized, long left, long top, ScreenArea screen);
