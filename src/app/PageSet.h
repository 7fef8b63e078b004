#pragma once

#include <functional>

#include "core/pages/ButtonPageModel.h"
#include "core/pages/LightingPage.h"
#include "core/pages/MacroPageModel.h"
#include "core/pages/PageHooks.h"
#include "core/pages/StatsPage.h"
#include "core/pages/SupportPageModel.h"

namespace n63k::app {

// The pages' side of the main window's calls: each call reaches the pages
// that the window has built.
class PageSet final : public PageHooks {
 public:
  void SetButtonPage(ButtonPageModel* buttons) { buttons_ = buttons; }
  void SetSupportPage(SupportPageModel* support) { support_ = support; }
  void SetMacroPage(MacroPageModel* macros) { macros_ = macros; }

  void RefreshButtonPage() override {
    if (buttons_ != nullptr) {
      buttons_->RefreshButtonPage();
    }
  }
  void RefreshLightingPage() override {
    if (lighting != nullptr) {
      lighting->Refresh();
    }
  }
  void RefreshMacroPage() override {
    if (macros_ != nullptr) {
      macros_->RefreshMacros();
    }
  }
  void CloseGameMenu() override {
    if (macros_ != nullptr) {
      macros_->CloseGroupMenu();
    }
  }
  void StopRecording() override {
    if (macros_ != nullptr && macros_->Recording()) {
      macros_->ToggleRecording();
    }
  }
  void NormaliseLoopField() override {
    if (macros_ != nullptr) {
      macros_->NormaliseLoopField();
    }
  }
  void ApplyScrollLinesText() override {
    if (buttons_ != nullptr) {
      buttons_->ApplyScrollLinesText();
    }
  }
  // The window hides or minimises: the input hooks give the keys back to it.
  std::function<void()> stopInputCapture;
  void StopInputCapture() override {
    // The recording is stored before the keys go back to the window.
    if (macros_ != nullptr) {
      macros_->StopInputCapture();
    }
    if (stopInputCapture) {
      stopInputCapture();
    }
  }
  void ReapplyPageCaptions() override {
    if (lighting != nullptr) {
      lighting->ReapplyCaptions();
    }
    if (statistics != nullptr) {
      statistics->ReapplyCaptions();
    }
    if (buttons_ != nullptr) {
      buttons_->ReapplyCaptions();
    }
    if (support_ != nullptr) {
      support_->ReapplyCaptions();
    }
    if (macros_ != nullptr) {
      macros_->ReapplyCaptions();
    }
  }
  void ShowFirmwareVersion(std::uint32_t version) override {
    if (support_ != nullptr) {
      support_->ShowFirmwareVersion(version);
    }
  }
  void CountClick(std::uint32_t identity) override {
    if (statistics != nullptr) {
      statistics->CountClick(identity);
    }
  }

  // The pages that exist, set once the window has built them.
  LightingPage* lighting = nullptr;
  StatsPage* statistics = nullptr;

 private:
  ButtonPageModel* buttons_ = nullptr;
  SupportPageModel* support_ = nullptr;
  MacroPageModel* macros_ = nullptr;
};

}  // namespace n63k::app
