#pragma once

#include <filesystem>

#include "core/base/FileAccess.h"
#include "core/base/Folders.h"
#include "core/base/Outcome.h"
#include "core/i18n/Languages.h"
#include "core/i18n/TextTable.h"

namespace n63k {

// Where a language switch comes from; the values are those that the window
// message carries.
enum class LanguagePick { kMenu = 0, kStartUp = 272 };

// What the window does when the language changes.
class LanguageObserver {
 public:
  virtual ~LanguageObserver() = default;
  // The texts changed: every caption that shows a string key gets its text
  // again and is redrawn.
  virtual void ReapplyCaptions() = 0;
  // A choice from the language menu has been applied: close the menu.
  virtual void CloseLanguageMenu() = 0;
};

// A language number and what reading it told.
struct [[nodiscard]] LanguageNumber {
  int number;
  Outcome outcome;
};

// The interface language: which language file fills the text table, the
// ChineseUi flags, the flag picture shown and the stored language number.
class InterfaceLanguage {
 public:
  InterfaceLanguage(Folders folders, Localisation& localisation, FileAccess& files);

  // The language part of the start-up, in its order: the Simplified Chinese
  // texts, then the installation language of skins/languagetype.ini (which
  // also sets both ChineseUi flags, the flag picture and FWUpdate/Config.ini),
  // then the stored language number. The caller applies that number with
  // SwitchLanguage(number, LanguagePick::kStartUp) once the rest of its
  // start-up is done, as the program posts it to itself.
  LanguageNumber StartUp();

  // The number stored in Language.cfg of the data folder; 1 when it cannot be
  // read, and a missing file is told. A file shorter than 4 bytes only
  // replaces the low bytes of 1.
  LanguageNumber ReadLanguageNumber();

  // Loads the file of language `number`, sets ChineseUi (nonzero only for
  // number 1), shows its flag, stores the number in Language.cfg and has the
  // captions re-applied. A number without a language loads nothing but is
  // still stored. Number 0, and a menu pick while the menu is not open, do
  // nothing. At start-up the number is stored only when Language.cfg could
  // not be read, so that starting the program writes nothing that is there.
  Outcome SwitchLanguage(int number, LanguagePick pick);

  // The window reports here whether its language menu is open.
  void SetMenuOpen(bool open) { menuOpen_ = open; }
  bool MenuOpen() const { return menuOpen_; }

  // The language number whose flag picture is shown; 0 before the start-up.
  int FlagLanguage() const { return flagLanguage_; }

  // The window that follows language changes; none by default.
  void SetObserver(LanguageObserver* observer) { observer_ = observer; }

 private:
  std::filesystem::path LanguageNumberPath() const;
  void LoadTexts(const Language& language);
  Outcome WriteLanguageNumber(int number);

  Folders folders_;
  Localisation& localisation_;
  FileAccess& files_;
  bool numberStored_ = false;
  LanguageObserver* observer_ = nullptr;
  bool menuOpen_ = false;
  int flagLanguage_ = 0;
};

}  // namespace n63k
