#pragma once

#include <functional>

class QGuiApplication;

namespace n63k {

// When the session manager asks the program to save before the session ends,
// `save` keeps what the program holds in memory; the session may then end (a
// logout can still be cancelled, so nothing is closed here: the end itself
// arrives as SIGTERM or as the application's quit).
void SaveWhenSessionEnds(QGuiApplication& application, std::function<void()> save);

}  // namespace n63k
