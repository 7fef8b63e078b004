#include "platform/ProcessStarter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace n63k {

bool ProcessStarter::Start(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) {
    list << QString::fromStdString(argument);
  }
  // The program's own folder as its working folder, where it looks for the
  // files beside it.
  return QProcess::startDetached(QString::fromStdString(program.string()), list,
                                 QString::fromStdString(program.parent_path().string()));
}

}  // namespace n63k
