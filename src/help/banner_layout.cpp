#include "help/banner_layout.h"

namespace {

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;
constexpr int kGrey = 0x808080;  // RGB 128,128,128
constexpr int kBlue = 0x0080FF;  // RGB 0,128,255

BannerLayout Neutral() {
  return {kWhite, kWhite,
          kGrey,  BannerOwner::None,
          false,  0,
          0,      {{BannerText::ProgramName, 20, 20, 18}, {BannerText::Version, 170, 26, 11}}};
}

BannerLayout Distributor() {
  return {kWhite,
          kWhite,
          kBlack,
          BannerOwner::Distributor,
          true,
          700,
          10,
          {{BannerText::Company, 585, 10, 12},
           {BannerText::Telephone, 549, 26, 12},
           {BannerText::Web, 622, 41, 12},
           {BannerText::ProgramName, 30, 25, 18},
           {BannerText::Version, 180, 32, 12}}};
}

BannerLayout Maker() {
  return {kBlue,
          kBlue,
          kWhite,
          BannerOwner::Maker,
          true,
          300,
          10,
          {{BannerText::Company, 15, 10, 11},
           {BannerText::Telephone, 15, 25, 11},
           {BannerText::Web, 15, 40, 11},
           {BannerText::ProgramName, 300, 35, 18},
           {BannerText::Version, 450, 42, 11}}};
}

}  // namespace

std::optional<BannerLayout> BannerLayoutFor(int mode) {
  switch (mode) {
    case 0:
      return Neutral();
    case 1:
      return Distributor();
    case 2:
      return Maker();
    default:
      return std::nullopt;
  }
}
