// Garbage and damaged resource files: the loader answers with a reason, never a crash.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "runtime/resource.h"

namespace {

std::string RealResource() {
  std::ifstream in(KAVRO_RESOURCE_FILE, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(ResourceLoaderFuzz, MutatedResourceFilesNeverCrash) {
  const std::string base = RealResource();
  ASSERT_FALSE(base.empty());
  std::mt19937 rng(20261205);
  int accepted = 0, refused = 0;
  for (int i = 0; i < 400; ++i) {
    std::string text = base;
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = rng() % text.size();
      switch (rng() % 4) {
        case 0:
          text[at] = static_cast<char>(rng() % 256);
          break;
        case 1:
          text.erase(at, 1 + rng() % 40);
          break;
        case 2:
          text.insert(at, std::string(1 + rng() % 5, "{}[]\",:0-e"[rng() % 10]));
          break;
        default:
          text.resize(at);
          break;
      }
    }
    rt::ResourceFile file;
    std::string error;
    if (rt::ParseResource(text, &file, &error)) {
      ++accepted;
    } else {
      ++refused;
      EXPECT_FALSE(error.empty());
      EXPECT_TRUE(file.panels.empty());
    }
  }
  EXPECT_GT(refused, 0);
  EXPECT_EQ(accepted + refused, 400);
}

TEST(ResourceLoaderFuzz, WrongTypesAreRefusedWithTheirPlace) {
  rt::ResourceFile file;
  std::string error;
  EXPECT_FALSE(rt::ParseResource(
      R"({"panels": [{"resource": 3, "controls": [{"id": 5, "kind": "ring", "top": "x"}]}]})",
      &file, &error));
  EXPECT_NE(error.find("control 5"), std::string::npos);
  EXPECT_FALSE(
      rt::ParseResource(R"({"panels": [{"resource": 3}, {"resource": 3}]})", &file, &error));
  EXPECT_FALSE(rt::ParseResource(
      R"({"panels": [{"resource": 3, "controls": [{"id": 1, "kind": "rocket"}]}]})", &file,
      &error));
  EXPECT_TRUE(rt::ParseResource(R"({"panels": []})", &file, &error));
}

}  // namespace
