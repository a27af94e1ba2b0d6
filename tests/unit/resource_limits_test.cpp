// The panel resource file within its limits: size and nesting are bounded, and a damaged file
// is refused with where and what. (The program's one line for each unusable file is the
// resource error end-to-end test's.)
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "runtime/resource.h"
#include "runtime/resource_json.h"

namespace {

const std::string kSmallPanel =
    R"({"panels": [{"resource": 3, "width": 100, "height": 50,
        "controls": [{"id": 1, "kind": "numeric", "dataType": "double", "value": 0.25}]}]})";

// Containers nested depth levels deep, the outermost counting as one.
std::string Nested(int depth) {
  std::string text;
  for (int i = 1; i < depth; ++i) text += i % 2 ? "[" : "{\"k\":";
  text += "[]";
  for (int i = depth - 1; i >= 1; --i) text += i % 2 ? "]" : "}";
  return text;
}

TEST(ResourceLimits, SizeIsCheckedBeforeParsing) {
  // Valid JSON padded with blanks: at the limit it loads, one byte more is refused.
  std::string text = R"({"panels": []})";
  text.resize(rt::kMaxResourceBytes, ' ');
  rt::ResourceFile file;
  std::string error;
  EXPECT_TRUE(rt::ParseResource(text, &file, &error)) << error;
  text += ' ';
  EXPECT_FALSE(rt::ParseResource(text, &file, &error));
  EXPECT_EQ(error, "file too large (4194305 bytes, limit 4194304)");
}

TEST(ResourceLimits, NestingUpToTheLimitIsReadAndDeeperIsRefused) {
  nlohmann::json doc;
  std::string error;
  EXPECT_TRUE(rt::ParseResourceJson(Nested(rt::kMaxResourceDepth), &doc, &error)) << error;
  EXPECT_TRUE(doc.is_array());
  EXPECT_FALSE(rt::ParseResourceJson(Nested(rt::kMaxResourceDepth + 1), &doc, &error));
  EXPECT_EQ(error, "nesting too deep (more than 32 levels)");
  EXPECT_TRUE(doc.is_null());
  // A deep list inside a panel is refused the same way, not read as a panel.
  rt::ResourceFile file;
  const std::string deepPanel = R"({"panels": [{"resource": 3, "x": )" + Nested(40) + "}]}";
  EXPECT_FALSE(rt::ParseResource(deepPanel, &file, &error));
  EXPECT_NE(error.find("too deep"), std::string::npos) << error;
  EXPECT_TRUE(file.panels.empty());
}

TEST(ResourceLimits, MalformedTextIsRefusedWithWhereAndWhat) {
  rt::ResourceFile file;
  std::string error;
  EXPECT_FALSE(rt::ParseResource("{\"panels\": [\n{\"resource\": 3,,}]}", &file, &error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  EXPECT_EQ(error.find("json.exception"), std::string::npos) << error;
  EXPECT_FALSE(rt::ParseResource("", &file, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(rt::ParseResource(R"({"panels": []} trailing)", &file, &error));
  EXPECT_FALSE(rt::ParseResource("\x01\x02{", &file, &error));
  EXPECT_EQ(error.find('\x01'), std::string::npos) << "control bytes are shown escaped";
  // Well-formed text of the wrong shape: a wrong type names its control, a
  // panel given twice and an unknown kind of control are refused.
  EXPECT_FALSE(rt::ParseResource(
      R"({"panels": [{"resource": 3, "controls": [{"id": 5, "kind": "ring", "top": "x"}]}]})",
      &file, &error));
  EXPECT_NE(error.find("control 5"), std::string::npos) << error;
  EXPECT_FALSE(
      rt::ParseResource(R"({"panels": [{"resource": 3}, {"resource": 3}]})", &file, &error));
  EXPECT_FALSE(rt::ParseResource(
      R"({"panels": [{"resource": 3, "controls": [{"id": 1, "kind": "rocket"}]}]})", &file,
      &error));
}

TEST(ResourceLimits, NumbersAreReadTheSameUnderADecimalCommaLocale) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
  rt::ResourceFile file;
  std::string error;
  const bool parsed = rt::ParseResource(kSmallPanel, &file, &error);
  std::setlocale(LC_ALL, "C");
  ASSERT_TRUE(parsed) << error;
  EXPECT_DOUBLE_EQ(file.panels.at(3).controls.at(1).num, 0.25);
}

}  // namespace
