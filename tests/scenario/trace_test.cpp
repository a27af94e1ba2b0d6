// The service trace read back as a technician would: every frame of the
// connection sequence, in the order it crossed the line, with its raw bytes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "harness/scenario.h"
#include "link/trace.h"

namespace {

std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream f(line);
    for (std::string field; std::getline(f, field, '\t');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

TEST(ServiceTrace, ConnectionSequenceInOrder) {
  Scenario s;
  s.attachSensor();
  ASSERT_TRUE(StartTrace(s.projectPath("line.trace")));
  ASSERT_TRUE(s.startUp());
  StopTrace();
  const auto rows = Rows(s.readProjectFile("line.trace"));
  std::vector<std::string> seen;
  double last = -1;
  for (const auto& r : rows) {
    ASSERT_EQ(r.size(), 7u);
    EXPECT_GE(std::stod(r[0]), last);
    last = std::stod(r[0]);
    seen.push_back((r[1] == "PC>SENSOR" ? ">" : "<") + r[2]);
  }
  const std::vector<std::string> expected = {
      ">Dummy",        ">Echo",         "<Echo",        ">FirmwareText", "<FirmwareText",
      ">HardwareInfo", "<HardwareInfo", ">ReadParaRam", "<ReadParaRam",  ">ReadParaRam",
      "<ReadParaRam",  ">VideoBlock",   "<VideoBlock",  ">VideoBlock",   "<VideoBlock",
      ">VideoBlock",   "<VideoBlock",   ">VideoBlock",  "<VideoBlock"};
  EXPECT_EQ(seen, expected);
  // A request's bytes: sync 00 55, the command, the argument, then PARA0.
  EXPECT_EQ(rows[1][6].substr(0, 17), "00 55 00 05 00 00");
  EXPECT_EQ(rows[4][4], "raw");
  EXPECT_EQ(rows[4][5], "72 bytes");
}

}  // namespace
