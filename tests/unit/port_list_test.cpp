// Which port number reaches which serial port of the machine, and the text the
// communication settings panel shows of it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "connect/port_list_text.h"
#include "runtime/files.h"
#include "runtime/serial_ports.h"

namespace fs = std::filesystem;

namespace {

TEST(PortListText, NumberedFirstThenUnnumberedCutToLinesAndWidth) {
  const std::vector<PortListEntry> ports = {
      {0, "ttyACM0", "Arduino"}, {4, "ttyS3", ""}, {2, "ttyUSB0", "FT232R USB UART"}};
  EXPECT_EQ(PortListText(ports, 2, 20), "2: ttyUSB0 (FT232...\n+ 2 more");
  EXPECT_EQ(PortListText({}, 3), "No serial port found on this PC");
}

TEST(PortNumbers, PlatformNumberingOfSystemNames) {
  EXPECT_EQ(rt::PortNumberOfSystemName("ttyS0"), 1);
  EXPECT_EQ(rt::PortNumberOfSystemName("ttyS254"), 255);
  EXPECT_EQ(rt::PortNumberOfSystemName("ttyS255"), 0);
  EXPECT_EQ(rt::PortNumberOfSystemName("ttyS1a"), 0);
  EXPECT_EQ(rt::PortNumberOfSystemName("ttyUSB0"), 0);
}

// A program directory with COM<n> links in it, as the operator or the virtual
// sensor makes them.
class PortLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/kavro-ports-XXXXXX";
    dir_ = mkdtemp(templ);
    before_ = rt::ProjectDir();
    rt::SetProjectDir(dir_);
    std::ofstream(dir_ + "/adapter").put('x');
  }
  void TearDown() override {
    rt::SetProjectDir(before_);
    fs::remove_all(dir_);
  }
  std::string dir_, before_;
};

TEST_F(PortLinks, LinksAreListedAndTakeTheirNumbers) {
  fs::create_symlink(dir_ + "/adapter", dir_ + "/COM12");
  std::ofstream(dir_ + "/pts9").put('x');
  fs::create_symlink(dir_ + "/pts9", dir_ + "/COM1");
  std::ofstream(dir_ + "/COM5").put('x');  // a file, not a link
  const std::vector<rt::PortLink> links = rt::PortLinksInProgramDir();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].number, 1);
  EXPECT_EQ(links[0].target, dir_ + "/pts9");
  EXPECT_EQ(links[1].number, 12);
  EXPECT_EQ(rt::PortNumberForDevice({"ttyUSB0", dir_ + "/adapter", ""}), 12);
  // COM1 leads elsewhere, so ttyS0 has no number; ttyS1 keeps its 2.
  EXPECT_EQ(rt::PortNumberForDevice({"ttyS0", "/dev/ttyS0", ""}), 0);
  EXPECT_EQ(rt::PortNumberForDevice({"ttyS1", "/dev/ttyS1", ""}), 2);
}

}  // namespace
