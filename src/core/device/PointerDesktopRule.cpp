#include "core/device/PointerDesktopRule.h"

#include <algorithm>
#include <cctype>

namespace n63k {
namespace {

enum class Family { kGnome, kKde, kOther };
enum class Session { kWayland, kX11, kUnknown };

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

Family FamilyFromEnvironment(std::string_view desktops) {
  while (!desktops.empty()) {
    const std::size_t colon = desktops.find(':');
    const std::string_view name = desktops.substr(0, colon);
    if (SameLetters(name, "GNOME")) {
      return Family::kGnome;
    }
    if (SameLetters(name, "KDE")) {
      return Family::kKde;
    }
    desktops = colon == std::string_view::npos ? std::string_view{} : desktops.substr(colon + 1);
  }
  return Family::kOther;
}

Session SessionOf(const SessionFacts& facts) {
  if (SameLetters(facts.sessionType, "wayland")) {
    return Session::kWayland;
  }
  if (SameLetters(facts.sessionType, "x11")) {
    return Session::kX11;
  }
  if (facts.waylandDisplay) {
    return Session::kWayland;
  }
  return facts.xDisplay ? Session::kX11 : Session::kUnknown;
}

}  // namespace

PointerDesktop SelectPointerDesktop(const SessionFacts& facts, const BusNameOwned& owned) {
  Family family = FamilyFromEnvironment(facts.currentDesktop);
  if (family == Family::kOther) {
    if (owned("org.kde.KWin")) {
      family = Family::kKde;
    } else if (owned("org.gnome.Shell")) {
      family = Family::kGnome;
    }
  }
  const Session session = SessionOf(facts);
  switch (family) {
    case Family::kGnome:
      return PointerDesktop::kGnome;
    case Family::kKde:
      if (session == Session::kWayland) {
        return PointerDesktop::kKdeWayland;
      }
      return session == Session::kX11 ? PointerDesktop::kKdeX11 : PointerDesktop::kNone;
    case Family::kOther:
      return session == Session::kX11 ? PointerDesktop::kX11 : PointerDesktop::kNone;
  }
  return PointerDesktop::kNone;
}

bool IsX11Session(const SessionFacts& facts) {
  return SessionOf(facts) == Session::kX11;
}

}  // namespace n63k
