#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/app/DefaultDataFiles.h"
#include "core/app/ProgramState.h"
#include "core/app/TellUser.h"
#include "support/CaseName.h"
#include "support/FaultyFiles.h"
#include "support/LanguageFolder.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using test::FaultyFiles;

constexpr std::uint32_t kMacroId = 0x15000001;

struct StoreCase {
  const char* name;
  FaultyFiles::Fault fault;
  const char* file;  // the file that fails
  std::function<Outcome(ProgramState&)> operation;
};

class StoreFaultsTest : public ::testing::TestWithParam<StoreCase> {
 protected:
  void SetUp() override {
    test::WriteTaggedLanguageFiles(program());
    ASSERT_FALSE(WriteDefaultDataFiles(program(), false, SystemFiles()).has_value());
    state_ = std::make_unique<ProgramState>(Folders{program(), data()}, messages_, clock_, files_);
    state_->LoadStoredSettings();
    ASSERT_TRUE(state_->macroStore().StoreMacro(test::StoredMacro(kMacroId)).ok());
    messages_.shown.clear();
  }

  fs::path program() const { return dir_ / "program"; }
  fs::path data() const { return dir_ / "data"; }

  test::TempDir dir_;
  test::RecordingMessages messages_;
  VirtualClock clock_;
  FaultyFiles files_;
  std::unique_ptr<ProgramState> state_;
};

TEST_P(StoreFaultsTest, ReportsTheFailureAndLeavesTheFilesAsTheyWere) {
  const StoreCase& c = GetParam();
  struct Error {
    FileError error;
    Problem problem;
    const char* detail;
  } const errors[] = {
      {FileError::kNoSpace, Problem::kFailed, "no space left on the disk"},
      {FileError::kIoError, Problem::kFailed, "input/output error"},
      {FileError::kNotFound, Problem::kMissing, "no such file or folder"},  // not a folder
  };
  for (const Error& e : errors) {
    const auto before = test::FolderContents(data());
    files_.Inject(c.fault, c.file, e.error);
    const Outcome outcome = c.operation(*state_);
    files_.Inject(FaultyFiles::Fault::kNone, "", FileError::kNone);

    EXPECT_FALSE(outcome.ok()) << c.name << ": " << e.detail;
    ASSERT_FALSE(outcome.notices().empty()) << c.name;
    const Notice& failure = outcome.notices().back();
    EXPECT_EQ(failure.path.filename(), c.file) << c.name;
    EXPECT_EQ(failure.problem, e.problem) << c.name;
    EXPECT_EQ(failure.detail, e.detail) << c.name;
    EXPECT_EQ(test::FolderContents(data()), before) << c.name << ": " << e.detail;

    messages_.shown.clear();
    state_->Tell(outcome);
    EXPECT_EQ(messages_.shown.size(), outcome.notices().size()) << c.name;
  }
}

using Fault = FaultyFiles::Fault;

INSTANTIATE_TEST_SUITE_P(
    Operations, StoreFaultsTest,
    ::testing::Values(StoreCase{"SaveProfile", Fault::kWrite, "Profile1.cfg",
                                [](ProgramState& s) {
                                  s.profileFiles().Current().pointerSpeed = 3;
                                  return s.profileTable().SaveCurrentProfile();
                                }},
                      StoreCase{"SaveProfileTable", Fault::kWrite, "ConfigInfo.cfg",
                                [](ProgramState& s) {
                                  s.buttonMacroIds()[2] = kMacroId;
                                  s.profileFiles().Current().pointerSpeed = 10;
                                  return s.profileTable().SaveProfileTable();
                                }},
                      StoreCase{"TableAfterItsProfileFailed", Fault::kWrite, "Profile1.cfg",
                                [](ProgramState& s) {
                                  s.buttonMacroIds()[2] = kMacroId;
                                  s.profileFiles().Current().pointerSpeed = 4;
                                  return s.profileTable().SaveProfileTable();
                                }},
                      StoreCase{"DefaultProfile", Fault::kWrite, "Profile2.cfg",
                                [](ProgramState& s) {
                                  return s.profileFiles().WriteDefaultProfile(
                                      s.profileTable().ProfilePath(1));
                                }},
                      StoreCase{"StoreMacro", Fault::kWrite, "Macro.cfg",
                                [](ProgramState& s) {
                                  return s.macroStore().StoreMacro(test::StoredMacro(0x15000002));
                                }},
                      StoreCase{"DeleteMacro", Fault::kWrite, "Macro.cfg",
                                [](ProgramState& s) {
                                  return s.macroStore().DeleteMacro(kMacroId,
                                                                    s.profileTable().Entries(),
                                                                    s.profileFiles().Current());
                                }},
                      StoreCase{"LoadMacros", Fault::kRead, "Macro.cfg",
                                [](ProgramState& s) { return s.macroStore().LoadMacroTable(); }},
                      StoreCase{"LanguageFromTheMenu", Fault::kWrite, "Language.cfg",
                                [](ProgramState& s) {
                                  s.language().SetMenuOpen(true);
                                  return s.language().SwitchLanguage(3, LanguagePick::kMenu);
                                }}),
    test::CaseName<StoreCase>);

}  // namespace
}  // namespace n63k
