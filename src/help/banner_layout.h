// Where the banner in the main panel's header strip puts its pieces, for each
// branding: 0 neutral, 1 distributor, 2 maker.
#pragma once

#include <optional>
#include <vector>

enum class BannerText { Company, Telephone, Web, ProgramName, Version };
enum class BannerOwner { None, Distributor, Maker };

struct BannerItem {
  BannerText text;
  int left;
  int top;
  int pointSize;
};

struct BannerLayout {
  int stripColour;
  int background;  // of every text
  int foreground;
  BannerOwner owner;  // whose company texts and logo are shown
  bool pictureShown;
  int pictureLeft;
  int pictureTop;
  std::vector<BannerItem> items;  // in the order they are created
};

// Nothing for a mode other than 0, 1 or 2.
std::optional<BannerLayout> BannerLayoutFor(int mode);
