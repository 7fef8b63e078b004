#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/XvfbServer.h"
#include "ui/KeyCaptureFilter.h"

namespace n63k::ui {
namespace {

struct Captured {
  std::uint32_t virtualKey;
  std::uint32_t flags;
  bool operator==(const Captured&) const = default;
};

class Receiver final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t virtualKey, std::uint32_t flags) override {
    keys.push_back({virtualKey, flags});
  }
  void PcAction(std::uint32_t) override {}
  std::vector<Captured> keys;
};

class KeyCaptureFilterTest : public ::testing::Test {
 protected:
  KeyCaptureFilterTest() {
    hooks.SetMainWindow(&mainWindow);
    edit.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&edit));
  }

  // A key event as the X and Wayland platforms deliver it: the keysym and
  // the kernel's key code plus 8.
  void Send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, quint32 keysym,
            quint32 evdevCode, const QString& text = {}, bool autoRepeat = false) {
    QKeyEvent event(type, key, modifiers, evdevCode + 8, keysym, 0, text, autoRepeat);
    QApplication::sendEvent(edit.windowHandle(), &event);
  }

  MouseWatchList watchList;
  InputHooks hooks{watchList};
  Receiver mainWindow;
  Receiver page;
  QLineEdit edit;
  KeyCaptureFilter filter{hooks};
};

TEST_F(KeyCaptureFilterTest, APageCapturingKeysGetsThemOnceAndTheWidgetStillTypes) {
  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  Send(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 'a', 30, "a");
  Send(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 'a', 30, "a");
  Send(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 0xffe4, 97);
  Send(QEvent::KeyPress, Qt::Key_Exclam, Qt::AltModifier | Qt::ShiftModifier, '!', 2);
  Send(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, 0x1008ff2a, 116);
  EXPECT_EQ(page.keys, (std::vector<Captured>{{0x41, 0},
                                              {0x41, key_flag::kRelease},
                                              {0xA3, key_flag::kExtended},
                                              {0x31, key_flag::kAltDown}}));
  EXPECT_EQ(edit.text(), "a");
  EXPECT_TRUE(mainWindow.keys.empty());
}

TEST_F(KeyCaptureFilterTest, AHeldKeyRepeatsAsPressesOnly) {
  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  Send(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, 0xff51, 105);
  Send(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, 0xff51, 105, {}, true);
  Send(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, 0xff51, 105, {}, true);
  Send(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, 0xff51, 105);
  EXPECT_EQ(page.keys, (std::vector<Captured>{{0x25, key_flag::kExtended},
                                              {0x25, key_flag::kExtended},
                                              {0x25, key_flag::kExtended | key_flag::kRelease}}));
}

TEST_F(KeyCaptureFilterTest, WithoutACapturingPageNothingIsHandedOn) {
  Send(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 'a', 30, "a");
  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  hooks.SetInputCapture(false, false);
  Send(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, 'b', 48, "b");
  EXPECT_TRUE(mainWindow.keys.empty());
  EXPECT_TRUE(page.keys.empty());
}

// Whether another client could take the keyboard of the display now.
bool KeyboardFree() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_grab_keyboard_reply_t* reply =
      xcb_grab_keyboard_reply(connection,
                              xcb_grab_keyboard(connection, 0, root, XCB_CURRENT_TIME,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                              nullptr);
  const bool free = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
  std::free(reply);
  xcb_disconnect(connection);
  return free;
}

TEST(KeyCaptureFilterOnX11, HoldsTheKeyboardWhileAPageCaptures) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    // Runs itself again on an X display of its own.
    test::XvfbServer server;
    ASSERT_FALSE(server.display().empty());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(server.display()));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=KeyCaptureFilterOnX11.*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    return;
  }
  MouseWatchList watchList;
  InputHooks hooks{watchList};
  Receiver mainWindow;
  Receiver page;
  hooks.SetMainWindow(&mainWindow);
  KeyCaptureFilter filter{hooks};
  QLineEdit edit;
  edit.show();
  edit.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
  ASSERT_TRUE(KeyboardFree());

  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  EXPECT_TRUE(QTest::qWaitFor([] { return !KeyboardFree(); }, 5000));
  hooks.SetInputCapture(false, false);
  EXPECT_TRUE(QTest::qWaitFor([] { return KeyboardFree(); }, 5000));
}

}  // namespace
}  // namespace n63k::ui
