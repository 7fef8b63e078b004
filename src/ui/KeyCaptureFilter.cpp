#include "ui/KeyCaptureFilter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include "core/buttons/KeyTranslation.h"

namespace n63k::ui {
namespace {
// X and Wayland number keys as the kernel does, plus 8.
constexpr quint32 kXkbKeycodeOffset = 8;
}  // namespace

KeyCaptureFilter::KeyCaptureFilter(InputHooks& hooks) : hooks_(hooks) {
  QCoreApplication::instance()->installEventFilter(this);
  hooks_.SetKeyCaptureListener([this](bool pageCaptures) { CaptureChanged(pageCaptures); });
}

KeyCaptureFilter::~KeyCaptureFilter() {
  hooks_.SetKeyCaptureListener({});
  CaptureChanged(false);
}

bool KeyCaptureFilter::eventFilter(QObject* watched, QEvent* event) {
  // A key event reaches the window first and then each widget up the chain;
  // the window's copy is taken once.
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
      watched->isWindowType() && hooks_.PageCapturesKeys()) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    // A held key repeats as presses alone, as stored recordings expect; the
    // releases X puts between them are not the user's.
    if (key->isAutoRepeat() && event->type() == QEvent::KeyRelease) {
      return false;
    }
    const quint32 code = key->nativeScanCode();
    const TranslatedKey translated = TranslateKey(
        key->nativeVirtualKey(), code >= kXkbKeycodeOffset ? code - kXkbKeycodeOffset : 0);
    if (translated.virtualKey != 0) {
      hooks_.OnKey(translated.virtualKey,
                   CapturedKeyFlags(translated, key->modifiers().testFlag(Qt::AltModifier),
                                    event->type() == QEvent::KeyRelease));
    }
  }
  return false;
}

void KeyCaptureFilter::CaptureChanged(bool pageCaptures) {
  if (grabbing_ != nullptr) {
    grabbing_->setKeyboardGrabEnabled(false);
    grabbing_ = nullptr;
  }
  if (pageCaptures && QGuiApplication::platformName() == QLatin1String("xcb")) {
    grabbing_ = QGuiApplication::focusWindow();
    if (grabbing_ != nullptr) {
      grabbing_->setKeyboardGrabEnabled(true);
    }
  }
}

}  // namespace n63k::ui
