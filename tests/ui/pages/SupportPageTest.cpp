#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "core/base/ManualTimers.h"
#include "core/pages/SkinFiles.h"
#include "ui/pages/SupportPage.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/windows/SkinFolder.h"

namespace n63k::ui {
namespace {

using support_page::Control;

struct CountedFetches final : FirmwareFetches {
  void FetchManifest(std::uint64_t) override { ++asked; }
  void FetchImage(std::uint64_t, UpdateManifest) override { ++asked; }
  int asked = 0;
};

struct RecordingHost final : SupportPageHost {
  void ShowHint(int hint) override { hints.push_back(hint); }
  void RestoreDefaults() override { ++restored; }
  void ProfileImported() override { ++imported; }
  void OpenWebSite(std::string_view url) override { opened.emplace_back(url); }
  std::vector<int> hints;
  int restored = 0;
  int imported = 0;
  std::vector<std::string> opened;
};

struct SupportPageFixture : ::testing::Test {
  test::TempDir temp;
  test::SkinFolder skins;
  VirtualClock clock;
  ManualTimers timers{clock};
  test::RecordingMessages messages;
  Localisation localisation;
  CountedFetches fetches;
  UpdateCheck update{timers, messages, localisation, fetches, {temp / "cache"}, [](auto&) {}};
  ProfileRecord current{};
  RecordingHost host;
  SupportPageModel model{update, current, SystemFiles(), messages, localisation, host};

  SupportPageFixture() {
    localisation.chineseUi = false;
    localisation.texts.Set("str_update", "Update");
    localisation.texts.Set("str_importFile", "Import");
    localisation.texts.Set("str_exportFile", "Export");
    BuildDefaultProfile(current, false);
    skins.Paint(skin_files::kSupportNormal, support_page::kWidth, support_page::kHeight, Qt::black);
  }
};

using SupportPageView = SupportPageFixture;

TEST_F(SupportPageView, ButtonsSitOnTheirRectanglesAndReachTheModel) {
  SupportPage page(model, skins.path());
  std::vector<bool> askedToSave;
  page.SetFileChooser([&](QWidget*, bool save) {
    askedToSave.push_back(save);
    return QString::fromStdString((temp / "p.cfg").string());
  });
  page.show();
  for (const support_page::ControlPlace& place : support_page::kControls) {
    if (BitmapButton* button = page.Button(place.control)) {
      EXPECT_EQ(button->geometry(),
                QRect(place.rect.left, place.rect.top, place.rect.Width(), place.rect.Height()));
    }
  }
  EXPECT_EQ(page.Button(Control::kUpdate)->text(), "Update");
  EXPECT_EQ(page.Button(Control::kUpdate)->accessibleName(), "Update");

  QTest::mouseClick(page.Button(Control::kUpdate), Qt::LeftButton);
  EXPECT_EQ(fetches.asked, 1);
  QTest::mouseClick(page.Button(Control::kExport), Qt::LeftButton);
  QTest::mouseClick(page.Button(Control::kImport), Qt::LeftButton);
  EXPECT_EQ(askedToSave, (std::vector<bool>{true, false}));
  const std::string file = (temp / "p.cfg").string();
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{file + " export success!", file + " import success!"}));
  EXPECT_EQ(host.imported, 1);
  QTest::mouseClick(page.Button(Control::kWebSite), Qt::LeftButton);
  EXPECT_EQ(host.opened.size(), 1u);
  QTest::mouseClick(page.Button(Control::kRestoreDefaults), Qt::LeftButton);
  EXPECT_EQ(host.restored, 1);
}

TEST_F(SupportPageView, ACancelledFileDialogDoesNothing) {
  SupportPage page(model, skins.path());
  page.SetFileChooser([](QWidget*, bool) { return QString(); });
  page.show();
  QTest::mouseClick(page.Button(Control::kImport), Qt::LeftButton);
  QTest::mouseClick(page.Button(Control::kExport), Qt::LeftButton);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SupportPageView, MovesOverAControlShowItsHintOnce) {
  SupportPage page(model, skins.path());
  page.show();
  const auto move = [&](QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, page.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&page, &event);
  };
  move({100, 120});  // the program's version
  move({101, 121});
  move({10, 10});
  move({400, 120});  // the firmware's version
  EXPECT_EQ(host.hints, (std::vector<int>{89, 90}));
}

TEST_F(SupportPageView, PaintsTheFirmwareVersionInItsColour) {
  SupportPage page(model, skins.path());
  page.resize(support_page::kWidth, support_page::kHeight);
  const Rect& text = support_page::kFirmwareVersionText;
  const auto versionPixels = [&] {
    const QImage image = page.grab(QRect(text.left, text.top, 120, 24)).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        count += image.pixelColor(x, y) == QColor(193, 210, 238) ? 1 : 0;
      }
    }
    return count;
  };
  const int unknown = versionPixels();
  EXPECT_GT(unknown, 0);
  model.ShowFirmwareVersion(107);
  EXPECT_NE(versionPixels(), unknown);
}

}  // namespace
}  // namespace n63k::ui
