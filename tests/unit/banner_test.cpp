// The banner's layout per branding and the maker file that fills it.
#include <gtest/gtest.h>

#include "help/banner_layout.h"
#include "help/maker_info.h"

namespace {

TEST(BannerLayout, MakerBrandingOnBlue) {
  auto maker = BannerLayoutFor(2);
  ASSERT_TRUE(maker);
  EXPECT_EQ(maker->stripColour, 0x0080FF);
  EXPECT_EQ(maker->background, 0x0080FF);
  EXPECT_EQ(maker->foreground, 0xFFFFFF);
  EXPECT_EQ(maker->owner, BannerOwner::Maker);
  EXPECT_TRUE(maker->pictureShown);
  EXPECT_EQ(maker->pictureLeft, 300);
  EXPECT_EQ(maker->pictureTop, 10);
  ASSERT_EQ(maker->items.size(), 5u);
  EXPECT_EQ(maker->items[2].text, BannerText::Web);
  EXPECT_EQ(maker->items[2].top, 40);
  EXPECT_EQ(maker->items[3].text, BannerText::ProgramName);
  EXPECT_EQ(maker->items[3].left, 300);
  EXPECT_EQ(maker->items[3].pointSize, 18);
  EXPECT_EQ(maker->items[4].left, 450);
}

TEST(BannerLayout, NeutralAndDistributor) {
  auto neutral = BannerLayoutFor(0);
  ASSERT_TRUE(neutral);
  EXPECT_FALSE(neutral->pictureShown);
  EXPECT_EQ(neutral->foreground, 0x808080);
  ASSERT_EQ(neutral->items.size(), 2u);
  EXPECT_EQ(neutral->items[1].text, BannerText::Version);
  EXPECT_EQ(neutral->items[1].left, 170);
  auto distributor = BannerLayoutFor(1);
  ASSERT_TRUE(distributor);
  EXPECT_EQ(distributor->owner, BannerOwner::Distributor);
  EXPECT_EQ(distributor->pictureLeft, 700);
  EXPECT_EQ(distributor->foreground, 0x000000);
  EXPECT_EQ(distributor->items[1].left, 549);
  EXPECT_FALSE(BannerLayoutFor(3));
  EXPECT_FALSE(BannerLayoutFor(-1));
}

TEST(MakerInfo, ReadsBothBrandings) {
  MakerInfo info = ParseMakerInfo(
      R"({"maker": {"company": "A", "telephone": "1", "web": "w", "logo": "m.png"},
          "distributor": {"company": "B"}})");
  EXPECT_EQ(info.maker.company, "A");
  EXPECT_EQ(info.maker.telephone, "1");
  EXPECT_EQ(info.maker.web, "w");
  EXPECT_EQ(info.maker.logo, "m.png");
  EXPECT_EQ(info.distributor.company, "B");
  EXPECT_EQ(info.distributor.web, "");
}

TEST(MakerInfo, BrokenOrMissingFileLeavesTextsEmpty) {
  EXPECT_EQ(ParseMakerInfo("{\"maker\": ").maker.company, "");
  EXPECT_EQ(ParseMakerInfo("[1, 2]").maker.company, "");
  EXPECT_EQ(ParseMakerInfo(R"({"maker": {"company": 5}})").maker.company, "");
  EXPECT_EQ(LoadMakerInfo("/nonexistent/dir/maker.json").maker.company, "");
}

}  // namespace
