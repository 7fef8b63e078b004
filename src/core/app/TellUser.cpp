#include "core/app/TellUser.h"

#include <array>
#include <string>
#include <string_view>

#include "core/base/TextFormat.h"

namespace n63k {
namespace {

enum class Box { kInfo, kStandard };

struct Message {
  Box box;
  std::string text;
};

bool IsLoad(FileTask task) {
  switch (task) {
    case FileTask::kLoadProfile:
    case FileTask::kImportProfile:
    case FileTask::kLoadProfileTable:
    case FileTask::kLoadMacros:
    case FileTask::kLoadLanguageNumber:
    case FileTask::kLoadStatistics:
      return true;
    default:
      return false;
  }
}

// For what the program never told before: failures the system reports beyond
// a missing file or a refused permission.
Message Generic(const Notice& notice, bool chinese) {
  const std::string path = notice.path.string();
  if (notice.problem == Problem::kBusy) {
    return {Box::kStandard,
            FormatText(chinese ? "另一个程序正在修改 %s 中的设置，请稍后再试。"
                               : "Another program is changing the settings in %s; try again.",
                       path)};
  }
  // Our own texts, so the reason can follow the formatted path safely.
  const std::string reason = notice.detail + (chinese ? "。" : ".");
  if (IsLoad(notice.task)) {
    return {Box::kStandard,
            FormatText(chinese ? "无法读取文件 %s：" : "Cannot read the file %s: ", path) + reason};
  }
  return {Box::kStandard,
          FormatText(chinese ? "无法保存文件 %s：" : "Cannot save the file %s: ", path) + reason};
}

Message MessageFor(const Notice& notice, const Localisation& localisation) {
  const TextTable& texts = localisation.texts;
  const bool chinese = localisation.chineseUi;
  const std::string path = notice.path.string();
  const FileTask task = notice.task;
  switch (notice.problem) {
    case Problem::kMissing:
      switch (task) {
        case FileTask::kLoadProfile:
        case FileTask::kLoadProfileTable:
        case FileTask::kLoadLanguageNumber:
        case FileTask::kLoadStatistics:
          return {Box::kInfo,
                  FormatText("Failed to open file, check whether there is a %s path?", path)};
        case FileTask::kLoadMacros:
          return {Box::kInfo, FormatText(texts.Get("str_msg2"), path)};
        case FileTask::kSaveProfile:
        case FileTask::kSaveMacros:
        case FileTask::kSaveLanguageNumber:
        case FileTask::kSaveStatistics:
          return {Box::kStandard, FormatText(texts.Get("str_msg2"), path)};
        default:
          break;
      }
      break;
    case Problem::kAccessDenied:
      switch (task) {
        case FileTask::kWriteDefaultProfile:
          return {Box::kInfo, texts.Get("str_msg4")};
        case FileTask::kCreateMacros:
          return {Box::kStandard, texts.Get("str_msg4")};
        case FileTask::kSaveProfile:
        case FileTask::kSaveMacros:
        case FileTask::kSaveLanguageNumber:
        case FileTask::kSaveStatistics:
          return {Box::kStandard, texts.Get("str_msg5")};
        default:
          break;
      }
      break;
    case Problem::kDamaged:
      if (task == FileTask::kLoadProfile || task == FileTask::kImportProfile) {
        // What is wrong follows on a line of its own, so the user can mend it.
        std::string text = FormatText("%s is an invaild Profile!", path);
        if (!notice.detail.empty()) {
          text += "\n" + notice.detail;
        }
        return {Box::kStandard, text};
      }
      if (task == FileTask::kLoadStatistics) {
        return {Box::kStandard,
                FormatText(chinese ? "统计文件 %s 已损坏（原文件已备份）："
                                   : "The statistics file %s "
                                     "was damaged (the old file is kept as a backup): ",
                           path) +
                    notice.detail};
      }
      if (task == FileTask::kLoadMacros) {
        return {Box::kStandard,
                FormatText(chinese ? "宏文件 %s 比程序写入的更长（原文件已备份），宏按其开头读取："
                                   : "The macro file %s is longer than the program writes (the old "
                                     "file is kept as a backup); its macros are read from its "
                                     "start: ",
                           path) +
                    notice.detail};
      }
      if (task == FileTask::kLoadProfileTable) {
        return {Box::kStandard,
                FormatText(chinese ? "配置表 %s 已损坏，已重建（原文件已备份）：当前为配置 1；"
                                     "文件中完整的配置仍保留按键的宏，其余的需重新选择。"
                                   : "The profile table %s was damaged and has been rebuilt "
                                     "(the old file is kept as a backup): profile 1 is current; "
                                     "the profiles the file still held whole keep their buttons' "
                                     "macros, the others' must be chosen again.",
                           path) +
                    "\n" + notice.detail};
      }
      break;
    case Problem::kNoBackup:
      return {Box::kStandard,
              FormatText(chinese ? "文件 %s 已损坏，但无法为它保留备份，因此保持原样："
                                 : "The file %s is damaged, but no backup of it could be made, "
                                   "so it is left as it is: ",
                         path) +
                  notice.detail + (chinese ? "。" : ".")};
    case Problem::kInUse:
      return {Box::kInfo, chinese ? "当前宏正在被使用，不能删除！"
                                  : "The macro is being applied and cannot be deleted!"};
    default:
      break;
  }
  return Generic(notice, chinese);
}

constexpr std::array<std::string_view, kButtonCount> kEnglishButtonNames = {
    "left button", "middle button", "right button", "forward button",
    "back button", "wheel up",      "wheel down"};
constexpr std::array<std::string_view, kButtonCount> kChineseButtonNames = {
    "左键", "中键", "右键", "前进键", "后退键", "滚轮前滚", "滚轮后滚"};

}  // namespace

void TellMissingMacros(const ProfileSnapshot& snapshot, UserMessages& messages,
                       const Localisation& localisation) {
  const bool chinese = localisation.chineseUi;
  for (const int slot : snapshot.missingMacros) {
    const auto index = static_cast<std::size_t>(slot);
    const std::string_view name = chinese ? kChineseButtonNames[index] : kEnglishButtonNames[index];
    messages.InfoBox(FormatText(chinese ? "%s的宏已不存在，将按其默认功能写入鼠标。"
                                        : "The macro of the %s no longer exists; the mouse gets "
                                          "its default function instead.",
                                name),
                     false);
  }
}

void TellUser(const Outcome& outcome, UserMessages& messages, const Localisation& localisation) {
  for (const Notice& notice : outcome.notices()) {
    const Message message = MessageFor(notice, localisation);
    if (message.box == Box::kInfo) {
      messages.InfoBox(message.text, false);
    } else {
      messages.StandardInfo(message.text);
    }
  }
}

}  // namespace n63k
