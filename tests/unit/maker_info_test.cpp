// The maker file behind the banner: both brandings are read, and a broken or
// missing file leaves the texts empty.
#include <gtest/gtest.h>

#include "help/maker_info.h"

namespace {

TEST(MakerInfo, ReadsBothBrandings) {
  MakerInfo info = ParseMakerInfo(
      R"({"maker": {"company": "A", "telephone": "1", "web": "w", "logo": "m.png"},
          "distributor": {"company": "B"}})");
  EXPECT_EQ(info.maker.web, "w");
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
