#pragma once

#include "core/app/ArrivalRetry.h"
#include "core/base/Timers.h"
#include "core/base/UserMessages.h"
#include "core/device/DeviceEvents.h"
#include "core/i18n/TextTable.h"

namespace n63k {

// What the running program does with the mouse as it comes and goes.
class MouseConnectionHost {
 public:
  virtual ~MouseConnectionHost() = default;
  virtual OpenResult OpenMouse() = 0;
  virtual void CloseMouse() = 0;
  // The mouse was opened again: read its firmware version.
  virtual void MouseOpened() = 0;
  virtual void EndProgram() = 0;
};

// The running program's answer to the mouse being plugged in and unplugged:
// an arrival opens the mouse with bounded retries that never block the window
// and tells the user when it is found; a removal closes it, tells the user and
// ends the program.
class MouseConnection final : public DeviceEvents {
 public:
  MouseConnection(Timers& timers, UserMessages& messages, const Localisation& localisation,
                  MouseConnectionHost& host);

  void MouseArrived() override;
  void MouseRemoved() override;

 private:
  void Opened();
  void GaveUp(OpenResult last);

  UserMessages& messages_;
  const Localisation& localisation_;
  MouseConnectionHost& host_;
  ArrivalRetry retry_;
};

}  // namespace n63k
