#include "core/app/MouseConnection.h"

#include "core/app/MouseTexts.h"

namespace n63k {
MouseConnection::MouseConnection(Timers& timers, UserMessages& messages,
                                 const Localisation& localisation, MouseConnectionHost& host)
    : messages_(messages),
      localisation_(localisation),
      host_(host),
      retry_(timers, {.open = [this] { return host_.OpenMouse(); },
                      .opened = [this] { Opened(); },
                      .gaveUp = [this](OpenResult last) { GaveUp(last); }}) {}

void MouseConnection::MouseArrived() {
  retry_.Arrived();
}

void MouseConnection::MouseRemoved() {
  retry_.Removed();
  host_.CloseMouse();
  messages_.CountDown(std::string(MouseNotFoundText(localisation_.chineseUi)));
  host_.EndProgram();
}

void MouseConnection::Opened() {
  host_.MouseOpened();
  messages_.CountDown(std::string(MouseFoundText(localisation_.chineseUi)));
}

void MouseConnection::GaveUp(OpenResult last) {
  // The program goes on without the mouse, as it does when it cannot use the
  // device link at all; the next arrival tries afresh.
  messages_.InfoBox(MouseUnavailableText(last, localisation_.chineseUi), false);
}

}  // namespace n63k
