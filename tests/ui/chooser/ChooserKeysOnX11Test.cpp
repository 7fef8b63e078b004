// The key-combination page as the user meets it on X11: the chooser opens
// modally over the main window and takes keys typed on the display's keyboard.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "core/base/Utf.h"
#include "platform/XvfbServer.h"
#include "support/TestFiles.h"
#include "ui/KeyCaptureFilter.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/chooser/XTestKeys.h"

namespace n63k::ui {
namespace {

class Receiver final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t, std::uint32_t) override {}
  void PcAction(std::uint32_t) override {}
};

TEST(ChooserKeysOnX11, CtrlAndCTypedOnTheKeyboardBecomeTheCombination) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    // Runs itself again on an X display of its own.
    test::XvfbServer server;
    ASSERT_FALSE(server.display().empty());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(server.display()));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ChooserKeysOnX11.*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    return;
  }
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  ButtonMacroIds macroIds{};
  MacroTable macros;
  test::RecordingMessages messages;
  Localisation localisation;
  localisation.chineseUi = false;
  UsKeyCharacters keys;
  FunctionAssignment assignment{record, macroIds, macros, messages, localisation, keys};
  MouseWatchList watchList;
  InputHooks hooks{watchList};
  Receiver mainReceiver;
  hooks.SetMainWindow(&mainReceiver);
  KeyCaptureFilter filter{hooks};

  QWidget mainWindow;
  mainWindow.resize(400, 300);
  mainWindow.show();
  mainWindow.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
  ChooserContext context{record, assignment, localisation, macros,
                         keys,   hooks,      messages,     N63K_PROGRAM_DIR};
  ChooserWindow chooser(context, 2, &mainWindow);
  chooser.open();
  // Xvfb has no window manager to give the new window the focus.
  chooser.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor(
      [&chooser] { return QGuiApplication::focusWindow() == chooser.windowHandle(); }, 5000));

  ASSERT_TRUE(test::TypeOnDisplay(
      {{XK_Control_L, true}, {XK_c, true}, {XK_c, false}, {XK_Control_L, false}}));
  ASSERT_TRUE(QTest::qWaitFor([&chooser] { return chooser.Model().KeyName() == "C"; }, 5000));
  EXPECT_TRUE(chooser.Model().ModifierChecked(ModifierBox::kCtrl));
  chooser.Model().PressOk();
  EXPECT_TRUE(chooser.AssignChoice());
  EXPECT_EQ(FixedText(record.buttons[2].caption), "Ctrl + C");
}

}  // namespace
}  // namespace n63k::ui
