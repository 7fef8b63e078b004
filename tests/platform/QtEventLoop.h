#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

namespace n63k::test {

// The one Qt application of the test program, made on first use, for the
// services that report on Qt's event loop.
inline QCoreApplication& EventLoopApplication() {
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
  return application;
}

// Runs the event loop until `done` holds or `limitMs` passed; what `done`
// says then.
inline bool RunEventsUntil(const std::function<bool()>& done, int limitMs = 10000) {
  EventLoopApplication();
  const QDeadlineTimer deadline(limitMs);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

}  // namespace n63k::test
