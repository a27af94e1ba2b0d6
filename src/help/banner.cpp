#include "help/banner.h"

#include "help/banner_layout.h"
#include "help/maker_info.h"
#include "runtime/constants.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

std::string TextOf(BannerText which, const Branding& brand) {
  switch (which) {
    case BannerText::Company:
      return brand.company;
    case BannerText::Telephone:
      return brand.telephone;
    case BannerText::Web:
      return brand.web;
    case BannerText::ProgramName:
      return App().title;
    case BannerText::Version:
      return App().version;
  }
  return {};
}

// The logo's file name is taken in the folder of the maker file it came from.
Branding BrandingOf(BannerOwner owner) {
  if (owner == BannerOwner::None) return {};
  const std::string file = rt::DataFilePath(kMakerFileName);
  const MakerInfo info = LoadMakerInfo(file);
  Branding brand = owner == BannerOwner::Maker ? info.maker : info.distributor;
  if (!brand.logo.empty())
    brand.logo = rt::MakePathname(file.substr(0, file.find_last_of('/') + 1), brand.logo);
  return brand;
}

void ShowPicture(const BannerLayout& layout, const Branding& brand) {
  const int main = Panels().main;
  rt::SetCtrlAttribute(main, ids::MAIN_LOGO, rt::ATTR_VISIBLE, layout.pictureShown ? 1 : 0);
  if (!layout.pictureShown) return;
  rt::SetCtrlAttribute(main, ids::MAIN_LOGO, rt::ATTR_LEFT, layout.pictureLeft);
  rt::SetCtrlAttribute(main, ids::MAIN_LOGO, rt::ATTR_TOP, layout.pictureTop);
  if (!brand.logo.empty()) rt::DisplayImageFile(main, ids::MAIN_LOGO, brand.logo);
}

}  // namespace

void ShowLogo(int mode) {
  const std::optional<BannerLayout> layout = BannerLayoutFor(mode);
  if (!layout) return;
  const int main = Panels().main;
  rt::SetCtrlAttribute(main, ids::MAIN_HEADER, rt::ATTR_TEXT_BGCOLOR, layout->stripColour);
  rt::SetCtrlAttribute(main, ids::MAIN_HEADER, rt::ATTR_FRAME_COLOR, layout->stripColour);
  const Branding brand = BrandingOf(layout->owner);
  ShowPicture(*layout, brand);
  for (const BannerItem& item : layout->items)
    ShowInfoText(main, layout->background, layout->foreground, TextOf(item.text, brand), item.left,
                 item.top, item.pointSize);
}

int ShowInfoText(int, int background, int foreground, const std::string& text, int left, int top,
                 int pointSize) {
  const int main = Panels().main;
  const int id = rt::NewCtrl(main, rt::ControlKind::TextMessage, "", top, left);
  if (id < 0) return id;
  rt::SetCtrlAttribute(main, id, rt::ATTR_TEXT_FONT, "NIDialog");
  rt::SetCtrlAttribute(main, id, rt::ATTR_TEXT_BGCOLOR, background);
  rt::SetCtrlAttribute(main, id, rt::ATTR_TEXT_COLOR, foreground);
  rt::SetCtrlAttribute(main, id, rt::ATTR_TEXT_POINT_SIZE, pointSize);
  rt::SetCtrlAttribute(main, id, rt::ATTR_TOOLTIP_TEXT, App().build);
  rt::SetCtrlVal(main, id, text);
  return id;
}
