#include "platform/DesktopPcActions.h"

#include <canberra.h>

#include <QStandardPaths>

namespace n63k {

DesktopPcActions::DesktopPcActions(ProgramStarter& starter) : starter_(starter) {
  if (ca_context_create(&sound_) != CA_SUCCESS) {
    sound_ = nullptr;
  }
}

DesktopPcActions::~DesktopPcActions() {
  if (sound_ != nullptr) {
    ca_context_destroy(sound_);
  }
}

void DesktopPcActions::PlaySound(const std::string& path) {
  if (sound_ != nullptr) {
    ca_context_play(sound_, 0, CA_PROP_MEDIA_FILENAME, path.c_str(), nullptr);
  }
}

void DesktopPcActions::StartProgram(const std::string& path) {
  // A chosen file that cannot run by itself (a script without the right to
  // run, a document) is opened as the desktop opens it, as a double click
  // would.
  if (!starter_.Start(path, {})) {
    OpenWithDefaultHandler(path);
  }
}

void DesktopPcActions::OpenWithDefaultHandler(const std::string& path) {
  // Looked up on each use, so a handler installed while the program runs is
  // found.
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty()) {
    starter_.Start(opener.toStdString(), {path});
  }
}

}  // namespace n63k
