#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app/BootLoaderCheck.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

// A USB device as sysfs shows it: a folder under devices/, linked from the
// bus's devices folder. Empty texts leave the file out.
struct FakeDevice {
  std::string name;
  std::string vendor;
  std::string product;
};

class FakeSysfs {
 public:
  FakeSysfs() { fs::create_directories(root()); }
  fs::path root() const { return dir_ / "bus/usb/devices"; }

  void Add(const FakeDevice& device) {
    const fs::path real = dir_ / "devices/pci0000:00/usb1" / device.name;
    fs::create_directories(real);
    if (!device.vendor.empty()) {
      test::WriteText(real / "idVendor", device.vendor);
    }
    if (!device.product.empty()) {
      test::WriteText(real / "idProduct", device.product);
    }
    fs::create_directory_symlink(fs::relative(real, root()), root() / device.name);
  }

 private:
  test::TempDir dir_;
};

// Records each pause and lets a test change the devices during one.
class PauseClock final : public Clock {
 public:
  std::uint64_t NowMs() const override { return now_; }
  void SleepMs(std::uint32_t ms) override {
    pauses.push_back(ms);
    now_ += ms;
    if (onPause) {
      onPause();
    }
  }

  std::vector<std::uint32_t> pauses;
  std::function<void()> onPause;

 private:
  std::uint64_t now_ = 0;
};

struct ScanCase {
  std::string name;
  std::vector<FakeDevice> devices;
  bool found;
};

class BootLoaderScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(BootLoaderScan, FindsOnlyTheBootLoader) {
  FakeSysfs sysfs;
  for (const FakeDevice& device : GetParam().devices) {
    sysfs.Add(device);
  }
  PauseClock clock;
  EXPECT_EQ(BootLoaderCheck(clock, sysfs.root()).Present(), GetParam().found);
}

const FakeDevice kHub{"usb1", "1d6b\n", "0002\n"};
const FakeDevice kInterface{"1-2:1.0", "", ""};
const FakeDevice kMouse{"1-3", "24ae\n", "4110\n"};

INSTANTIATE_TEST_SUITE_P(
    Trees, BootLoaderScan,
    ::testing::Values(
        ScanCase{"Empty", {}, false},
        ScanCase{"LowerCaseWithLineFeed", {kHub, kInterface, {"1-2", "04d9\n", "8022\n"}}, true},
        ScanCase{"UpperCase", {{"1-2", "04D9\n", "8022\n"}}, true},
        ScanCase{"NoLineFeed", {{"1-2", "04d9", "8022"}}, true},
        ScanCase{"OtherDevicesOnly", {kHub, kInterface, kMouse}, false},
        ScanCase{"VendorWithOtherProduct", {{"1-2", "04d9\n", "8023\n"}}, false},
        ScanCase{"ProductWithOtherVendor", {{"1-2", "04d8\n", "8022\n"}}, false},
        ScanCase{"MissingProduct", {{"1-2", "04d9\n", ""}}, false},
        ScanCase{"MissingVendor", {{"1-2", "", "8022\n"}}, false},
        ScanCase{"LongerIdentifier", {{"1-2", "04d90\n", "8022\n"}}, false},
        ScanCase{"AmongOthers", {kHub, kMouse, kInterface, {"2-1.4", "04d9\n", "8022\n"}}, true}),
    test::CaseName<ScanCase>);

TEST(BootLoaderCheck, AMissingFolderOrABrokenLinkIsNoBootLoader) {
  PauseClock clock;
  test::TempDir dir;
  EXPECT_FALSE(BootLoaderCheck(clock, dir / "absent").Present());
  fs::create_directory_symlink(dir / "gone", dir / "1-2");
  EXPECT_FALSE(BootLoaderCheck(clock, dir.path()).Present());
}

TEST(BootLoaderCheck, AHitAnswersAtOnce) {
  FakeSysfs sysfs;
  sysfs.Add({"1-2", "04d9\n", "8022\n"});
  PauseClock clock;
  EXPECT_TRUE(BootLoaderCheck(clock, sysfs.root()).Run());
  EXPECT_TRUE(clock.pauses.empty());
}

TEST(BootLoaderCheck, TwoMissesPauseHalfASecondEach) {
  FakeSysfs sysfs;
  sysfs.Add(kMouse);
  PauseClock clock;
  EXPECT_FALSE(BootLoaderCheck(clock, sysfs.root()).Run());
  EXPECT_EQ(clock.pauses, (std::vector<std::uint32_t>{500, 500}));
}

TEST(BootLoaderCheck, ABootLoaderThatAppearsDuringThePauseIsSeenByTheSecondScan) {
  FakeSysfs sysfs;
  PauseClock clock;
  clock.onPause = [&] {
    clock.onPause = nullptr;
    sysfs.Add({"1-2", "04d9\n", "8022\n"});
  };
  EXPECT_TRUE(BootLoaderCheck(clock, sysfs.root()).Run());
  EXPECT_EQ(clock.pauses, (std::vector<std::uint32_t>{500}));
}

}  // namespace
}  // namespace n63k
