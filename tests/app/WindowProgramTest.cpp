#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/XWindowDriver.h"
#include "core/pages/ButtonPageLayout.h"
#include "core/pages/MacroPageLayout.h"
#include "core/pages/MainWindowLayout.h"
#include "core/pages/SupportPageLayout.h"
#include "core/store/ProfileRecord.h"
#include "platform/XClickWindow.h"
#include "platform/XvfbServer.h"
#include "support/CliRun.h"
#include "support/LocalHttpServer.h"
#include "support/TestFiles.h"

namespace n63k::test {
namespace {

constexpr char kTitle[] = "Korvu N63K Gaming Mouse Driver";

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// The window program, started as a user starts it, on the simulated mouse.
class WindowProgram {
 public:
  WindowProgram(const std::string& display, const TempDir& home,
                const std::vector<std::string>& extraEnvironment = {},
                const std::string& updateUrl = "http://127.0.0.1:1/software/n63K/update.xml") {
    std::vector<std::string> environment = {
        "N63K_UPDATE_URL=" + updateUrl,
        "XDG_CACHE_HOME=" + (home / "cache").string(),
        "DISPLAY=" + display,
        "QT_QPA_PLATFORM=xcb",
        "XDG_DATA_HOME=" + (home / "data").string(),
        "XDG_RUNTIME_DIR=" + home.path().string(),
        "HOME=" + home.path().string(),
        "N63K_DEVICE=simulated",
        "N63K_TRACE=" + (home / "trace").string(),
        // The updater and the flasher of the program folder are not there.
        "PATH=/usr/bin:/bin",
    };
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    // A sanitizer build's program reads its options as the test does.
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "TSAN_OPTIONS"}) {
      if (const char* value = std::getenv(name)) {
        environment.push_back(std::string(name) + "=" + value);
      }
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
      envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = std::string(N63K_PROGRAM_DIR) + "/N63KDriver";
    char* argv[] = {program.data(), nullptr};
    if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
      pid_ = -1;
    }
  }
  ~WindowProgram() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      Wait();
    }
  }
  WindowProgram(const WindowProgram&) = delete;
  WindowProgram& operator=(const WindowProgram&) = delete;

  bool started() const { return pid_ > 0; }
  void Terminate() const { ::kill(pid_, SIGTERM); }
  // The exit status once the program has ended within `limit`, else -1.
  int EndsWithin(std::chrono::milliseconds limit) {
    int status = -1;
    WaitFor(
        [&] {
          int raw = 0;
          if (::waitpid(pid_, &raw, WNOHANG) == pid_) {
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            pid_ = -1;
            return true;
          }
          return false;
        },
        limit);
    return status;
  }

 private:
  void Wait() {
    int raw = 0;
    ::waitpid(pid_, &raw, 0);
    pid_ = -1;
  }
  pid_t pid_ = -1;
};

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The frames of a trace, without their times: "KIND HEX" for each transfer.
std::vector<std::string> Frames(const std::string& trace) {
  std::vector<std::string> frames;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) {
      continue;
    }
    const std::string rest = line.substr(space + 1);
    if (rest.starts_with("SET ") || rest.starts_with("GET ") || rest.starts_with("OUT ")) {
      frames.push_back(rest);
    }
  }
  return frames;
}

// The centre of Apply's shape, in window pixels.
Point ApplyCentre() {
  const Rect bounds = main_window::kRegionControls[main_window::kApplyButton].shape.Bounds();
  return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

// Each test runs the program on a display of its own.
class WindowProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    ASSERT_TRUE(x.connected());
  }

  // The main window once it shows, within 20 s.
  std::optional<XWindowDriver::Found> ShownWindow() {
    std::optional<XWindowDriver::Found> window;
    WaitFor(
        [&] {
          window = x.FindWindow(kTitle);
          return window && window->viewable;
        },
        std::chrono::seconds(20));
    return window && window->viewable ? window : std::nullopt;
  }

  XvfbServer server{"1280x800x24"};
  XWindowDriver x{server.display()};
};

TEST_F(WindowProgramTest, AppliesWithRealClicksAndASecondCopyShowsTheFirstAndEnds) {
  TempDir home;

  WindowProgram first(server.display(), home);
  ASSERT_TRUE(first.started());
  const std::optional<XWindowDriver::Found> window = ShownWindow();
  ASSERT_TRUE(window) << "the main window did not show";
  EXPECT_EQ(window->width, main_window::kWidth);
  EXPECT_EQ(window->height, main_window::kHeight);
  EXPECT_EQ(x.WindowClass(window->window), "N63KDriver/N63KDriver");

  // What the same profile puts on the wire through n63kctl, from a copy of
  // the data folder the window program laid out.
  const std::filesystem::path data = home / "data/KORVU/N63K";
  const std::filesystem::path copy = home / "copy";
  std::filesystem::copy(data, copy, std::filesystem::copy_options::recursive);
  const CliRun cli = RunBuiltTool("--data '" + copy.string() + "' --simulate apply --trace");
  ASSERT_EQ(cli.status, 0) << cli.out;
  const std::vector<std::string> expected = Frames(cli.out);
  ASSERT_FALSE(expected.empty());

  const std::size_t startUpFrames = Frames(ReadText(home / "trace")).size();
  const auto before = std::filesystem::last_write_time(data / "Profile/ConfigInfo.cfg");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Point apply = ApplyCentre();
  x.Click(window->x + apply.x, window->y + apply.y);
  // A second click while the write runs starts nothing more.
  x.Click(window->x + apply.x, window->y + apply.y);

  ASSERT_TRUE(WaitFor(
      [&] { return std::filesystem::last_write_time(data / "Profile/ConfigInfo.cfg") != before; },
      std::chrono::seconds(20)))
      << "the profile table was not saved after the write";
  std::vector<std::string> written = Frames(ReadText(home / "trace"));
  written.erase(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(startUpFrames));
  EXPECT_EQ(written, expected);
  EXPECT_EQ(ReadText(data / "Profile/Profile1.cfg"), ReadText(copy / "Profile/Profile1.cfg"));

  // The progress window closes itself after the write.
  EXPECT_TRUE(WaitFor(
      [&] {
        const auto progress = x.FindWindow("KorvuN63KProcessDlg");
        return !progress || !progress->viewable;
      },
      std::chrono::seconds(10)));
  // The close button only hides the window; a second copy shows it again and
  // ends by itself.
  x.Click(window->x + main_window::kClose.left + 10, window->y + main_window::kClose.top + 10);
  ASSERT_TRUE(WaitFor([&] { return !x.FindWindow(kTitle)->viewable; }, std::chrono::seconds(10)));
  WindowProgram second(server.display(), home);
  EXPECT_EQ(second.EndsWithin(std::chrono::seconds(20)), 0);
  EXPECT_TRUE(WaitFor([&] { return x.FindWindow(kTitle)->viewable; }, std::chrono::seconds(10)));

  // The end of the session runs the shut-down sequence.
  first.Terminate();
  EXPECT_EQ(first.EndsWithin(std::chrono::seconds(20)), 0);
}

TEST_F(WindowProgramTest, TakesWhatTheToolSavesAndAppliesIt) {
  TempDir home;
  WindowProgram program(server.display(), home);
  ASSERT_TRUE(program.started());
  const std::optional<XWindowDriver::Found> window = ShownWindow();
  ASSERT_TRUE(window) << "the main window did not show";

  const std::filesystem::path data = home / "data/KORVU/N63K";
  const CliRun set = RunBuiltTool("--data '" + data.string() + "' set rate 250");
  ASSERT_EQ(set.status, 0) << set.out;
  const std::string changed = ReadText(data / "Profile/Profile1.cfg");
  // The window looks once the folder has been quiet for a moment.
  std::this_thread::sleep_for(std::chrono::seconds(2));

  const auto before = std::filesystem::last_write_time(data / "Profile/ConfigInfo.cfg");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Point apply = ApplyCentre();
  x.Click(window->x + apply.x, window->y + apply.y);
  ASSERT_TRUE(WaitFor(
      [&] { return std::filesystem::last_write_time(data / "Profile/ConfigInfo.cfg") != before; },
      std::chrono::seconds(20)));
  // The write saved the tool's profile, not the one the window started with.
  EXPECT_EQ(ReadText(data / "Profile/Profile1.cfg"), changed);
  program.Terminate();
  EXPECT_EQ(program.EndsWithin(std::chrono::seconds(20)), 0);
}

TEST_F(WindowProgramTest, OnAnX11SessionAPcActionButtonRunsItsProgramAndReachesNoWindow) {
  TempDir home;
  const std::filesystem::path program = home / "My Tools/note call";
  std::filesystem::create_directories(program.parent_path());
  std::ofstream(program) << "#!/bin/sh\necho \"$#\" >> '" << (home / "calls").string() << "'\n";
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  const std::string data = (home / "data/KORVU/N63K").string();
  const CliRun set =
      RunBuiltTool("--data '" + data + "' set button back 'program:" + program.string() + "'");
  ASSERT_EQ(set.status, 0) << set.out;

  WindowProgram running(server.display(), home, {"XDG_SESSION_TYPE=x11"});
  ASSERT_TRUE(running.started());
  ASSERT_TRUE(ShownWindow()) << "the main window did not show";
  // The back button of a profile that was current at start, not yet written
  // in this run.
  XClickWindow clicks(server.display());
  ASSERT_TRUE(clicks.ready());
  // The window may show before the program holds its button grabs.
  ASSERT_TRUE(WaitFor([&] { return clicks.GrabbedElsewhere(8); }, std::chrono::seconds(20)));
  clicks.Click(8);
  clicks.Click(8);
  EXPECT_TRUE(
      WaitFor([&] { return ReadText(home / "calls") == "0\n0\n"; }, std::chrono::seconds(20)))
      << ReadText(home / "calls");
  clicks.Click(9);
  ASSERT_TRUE(WaitFor([&] { return !clicks.Presses().empty(); }, std::chrono::seconds(20)));
  EXPECT_EQ(clicks.Presses(), std::vector<unsigned int>{9});
  running.Terminate();
  EXPECT_EQ(running.EndsWithin(std::chrono::seconds(20)), 0);
}

// A check that waits for a server which never answers does not hold up the
// end of the program.
TEST_F(WindowProgramTest, EndsAtOnceWhileTheUpdateCheckWaitsForTheServer) {
  LocalHttpServer updates;
  updates.Set("/software/n63K/update.xml", {200, "<u/>", 600000});
  TempDir home;
  WindowProgram program(server.display(), home, {}, updates.Url("/software/n63K/update.xml"));
  ASSERT_TRUE(program.started());
  const std::optional<XWindowDriver::Found> window = ShownWindow();
  ASSERT_TRUE(window) << "the main window did not show";

  const Rect tab = main_window::kRegionControls[4].shape.Bounds();
  x.Click(window->x + (tab.left + tab.right) / 2, window->y + (tab.top + tab.bottom) / 2);
  const Rect update = support_page::Place(support_page::Control::kUpdate).rect;
  const Point press{main_window::kPages.left + (update.left + update.right) / 2,
                    main_window::kPages.top + (update.top + update.bottom) / 2};
  ASSERT_TRUE(WaitFor(
      [&] {
        x.Click(window->x + press.x, window->y + press.y);
        return updates.Requests() > 0;
      },
      std::chrono::seconds(20)));
  program.Terminate();
  EXPECT_EQ(program.EndsWithin(std::chrono::seconds(20)), 0);
}

// The button page's controls, clicked through the window system, change
// what Apply writes and saves.
TEST_F(WindowProgramTest, ButtonPageClicksReachTheSavedProfile) {
  TempDir home;
  WindowProgram program(server.display(), home);
  ASSERT_TRUE(program.started());
  const std::optional<XWindowDriver::Found> window = ShownWindow();
  ASSERT_TRUE(window) << "the main window did not show";

  const auto clickOnPage = [&](const Rect& control) {
    x.Click(window->x + main_window::kPages.left + (control.left + control.right) / 2,
            window->y + main_window::kPages.top + (control.top + control.bottom) / 2);
  };
  clickOnPage(button_page::kDpiBoxes[1]);  // 750 off
  clickOnPage(button_page::kDpiBoxes[0]);  // 500 on
  clickOnPage(button_page::kReportRateRadios[0]);
  clickOnPage(button_page::kWheelOther.screenRadio);

  const std::filesystem::path data = home / "data/KORVU/N63K";
  const auto before = std::filesystem::last_write_time(data / "Profile/ConfigInfo.cfg");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Point apply = ApplyCentre();
  x.Click(window->x + apply.x, window->y + apply.y);
  ASSERT_TRUE(WaitFor(
      [&] { return std::filesystem::last_write_time(data / "Profile/ConfigInfo.cfg") != before; },
      std::chrono::seconds(20)));

  const std::string saved = ReadText(data / "Profile/Profile1.cfg");
  ASSERT_EQ(saved.size(), sizeof(ProfileRecord));
  ProfileRecord record{};
  std::memcpy(&record, saved.data(), sizeof record);
  const std::int32_t stages[14] = {500, 1250, 1500, 2000, 2500, 3500, 4000};
  EXPECT_TRUE(std::equal(std::begin(stages), std::end(stages), record.dpiLevels));
  EXPECT_EQ(record.pollingRate, 8);
  EXPECT_EQ(record.wheelScrollLines, -1);
  program.Terminate();
  EXPECT_EQ(program.EndsWithin(std::chrono::seconds(20)), 0);
}

TEST_F(WindowProgramTest, CountsClicksWheelNotchesAndTravelAndSavesThemWhenTheSessionEnds) {
  TempDir home;
  // Where the pointer is when the program starts is where counting starts.
  x.MoveTo(100, 100);

  WindowProgram program(server.display(), home, {"XDG_SESSION_TYPE=x11"});
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(ShownWindow()) << "the main window did not show";
  // Right, down, and back to the start, where the clicks below are made
  // beside the main window: however the samples fall, the travel is the sum
  // of the moves along each axis, 2 x (200 + 300).
  x.MoveTo(300, 100);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  x.MoveTo(300, 400);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  x.MoveTo(100, 100);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));

  // X buttons 1-3 are left, middle and right; 4 and 5 the wheel's notches
  // forward and backward.
  XClickWindow clicks(server.display());
  ASSERT_TRUE(clicks.ready());
  const std::vector<unsigned int> buttons = {1, 1, 1, 2, 3, 3, 4, 4, 4, 4, 5};
  for (const unsigned int button : buttons) {
    clicks.Click(button);
  }
  ASSERT_TRUE(
      WaitFor([&] { return clicks.Presses().size() == buttons.size(); }, std::chrono::seconds(20)));
  // The hooks report what reached the window's screen; give them a moment.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));

  program.Terminate();
  ASSERT_EQ(program.EndsWithin(std::chrono::seconds(20)), 0);
  const std::vector<std::uint8_t> stats = ReadBytes(home / "data/KORVU/N63K/Sts.cfg");
  ASSERT_EQ(stats.size(), 24u);
  std::vector<std::uint32_t> fields;
  for (std::size_t f = 0; f < 6; ++f) {
    fields.push_back(static_cast<std::uint32_t>(stats[4 * f] | stats[4 * f + 1] << 8 |
                                                stats[4 * f + 2] << 16 | stats[4 * f + 3] << 24));
  }
  EXPECT_EQ(fields, (std::vector<std::uint32_t>{3, 1, 2, 4, 1, 1000}));
}

// A macro recorded from the keyboard with its real timing reaches the mouse
// once a button plays it.
TEST_F(WindowProgramTest, RecordsAMacroFromTheKeyboardAndWritesItToTheMouse) {
#if defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the recording is paced by real time, which ThreadSanitizer stretches";
#endif
  TempDir home;
  WindowProgram program(server.display(), home);
  ASSERT_TRUE(program.started());
  const std::optional<XWindowDriver::Found> window = ShownWindow();
  ASSERT_TRUE(window) << "the main window did not show";
  const Rect tab = main_window::kRegionControls[2].shape.Bounds();
  x.Click(window->x + (tab.left + tab.right) / 2, window->y + (tab.top + tab.bottom) / 2);
  // New macro and the record button sit alike in both layouts.
  const auto clickOnPage = [&](macro_page::Control control) {
    const Rect r = macro_page::RectOf(control, false);
    x.Click(window->x + main_window::kPages.left + (r.left + r.right) / 2,
            window->y + main_window::kPages.top + (r.top + r.bottom) / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  };
  clickOnPage(macro_page::Control::kNewMacro);
  clickOnPage(macro_page::Control::kRecord);
  constexpr unsigned long kKeysymA = 0x61;
  x.Key(kKeysymA, true);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  x.Key(kKeysymA, false);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  clickOnPage(macro_page::Control::kRecord);

  // The stored macro: A down, the time it was held, A up.
  const std::string data = (home / "data/KORVU/N63K").string();
  std::string identifier;
  std::string listing;
  ASSERT_TRUE(WaitFor(
      [&] {
        listing = RunBuiltTool("--data '" + data + "' macros").out;
        std::istringstream lines(listing);
        for (std::string line; std::getline(lines, line);) {
          if (line.starts_with("21 ")) {
            identifier = line.substr(3, line.find(' ', 3) - 3);
          }
        }
        return !identifier.empty();
      },
      std::chrono::seconds(10)))
      << listing;
  EXPECT_NE(listing.find("  down A\n  delay "), std::string::npos) << listing;
  EXPECT_NE(listing.find(" ms\n  up A\n"), std::string::npos) << listing;

  const CliRun encoded = RunBuiltTool("--data '" + data + "' macros --encode " + identifier);
  ASSERT_EQ(encoded.status, 0) << encoded.out;
  // Loop 1, A down with the held time folded in, A up.
  const std::string head = encoded.out.substr(0, 17);
  std::string image;
  for (const char c : head) {
    if (c != ' ') {
      image += c;
    }
  }
  ASSERT_EQ(image.substr(0, 4), "0001") << encoded.out;
  EXPECT_EQ(image.substr(6, 6), "048104") << encoded.out;
  const int held = (std::stoi(image.substr(4, 2), nullptr, 16) - 1) * 10;
  EXPECT_GE(held, 100) << encoded.out;

  const CliRun set = RunBuiltTool("--data '" + data + "' set button middle macro:" + identifier);
  ASSERT_EQ(set.status, 0) << set.out;
  std::this_thread::sleep_for(std::chrono::seconds(2));
  // Apply writes from the button page.
  const Rect buttons = main_window::kRegionControls[0].shape.Bounds();
  x.Click(window->x + (buttons.left + buttons.right) / 2,
          window->y + (buttons.top + buttons.bottom) / 2);
  const auto before =
      std::filesystem::last_write_time(home / "data/KORVU/N63K/Profile/ConfigInfo.cfg");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Point apply = ApplyCentre();
  x.Click(window->x + apply.x, window->y + apply.y);
  ASSERT_TRUE(WaitFor(
      [&] {
        return std::filesystem::last_write_time(home / "data/KORVU/N63K/Profile/ConfigInfo.cfg") !=
               before;
      },
      std::chrono::seconds(20)));
  const std::string trace = ReadText(home / "trace");
  EXPECT_NE(trace.find("OUT "), std::string::npos);
  const std::vector<std::string> frames = Frames(trace);
  EXPECT_TRUE(std::ranges::any_of(frames, [&](const std::string& frame) {
    return frame.starts_with("OUT ") && frame.find(head) != std::string::npos;
  })) << trace;
  program.Terminate();
  EXPECT_EQ(program.EndsWithin(std::chrono::seconds(20)), 0);
}

}  // namespace
}  // namespace n63k::test
