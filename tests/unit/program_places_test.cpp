// Where the program keeps its settings file, COM<n> links and parameter files,
// and where an installed copy finds its layout file.
#include "runtime/program_places.h"

#include <gtest/gtest.h>

namespace {

rt::ProgramSite Site(const char* dir, bool installed, bool writable, const char* xdg = "",
                     const char* home = "/home/op") {
  return {dir, installed, writable, xdg, home};
}

TEST(ProgramPlaces, BuildFolderCopyKeepsItsFilesBesideItself) {
  EXPECT_EQ(rt::FilesFolder(Site("/src/kavro/build", false, true, "/home/op/cfg")),
            "/src/kavro/build");
}

TEST(ProgramPlaces, InstalledOrReadOnlyCopyUsesTheConfigurationFolder) {
  // Installed under /usr: root may write /usr/bin, the files still go to the user.
  EXPECT_EQ(rt::FilesFolder(Site("/usr/bin", true, true, "/home/op/cfg/")),
            "/home/op/cfg/kavro-xb-scope");
  EXPECT_EQ(rt::FilesFolder(Site("/opt/kavro", false, false)), "/home/op/.config/kavro-xb-scope");
  // A relative $XDG_CONFIG_HOME is not to be used.
  EXPECT_EQ(rt::FilesFolder(Site("/usr/bin", true, false, "cfg")),
            "/home/op/.config/kavro-xb-scope");
  EXPECT_EQ(rt::FilesFolder(Site("/usr/bin", true, false, "", "")), "/usr/bin");
}

TEST(ProgramPlaces, InstalledDataFolderLiesBesideTheProgramsFolder) {
  EXPECT_EQ(rt::InstalledDataFolder("/usr/bin"), "/usr/share/kavro-xb-scope");
  EXPECT_EQ(rt::InstalledDataFolder("/tmp/root/usr/bin/"), "/tmp/root/usr/share/kavro-xb-scope");
}

}  // namespace
