#include "platform/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace n63k {

void SaveWhenSessionEnds(QGuiApplication& application, std::function<void()> save) {
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                   [save = std::move(save)](QSessionManager&) { save(); });
}

}  // namespace n63k
