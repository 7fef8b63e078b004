#pragma once

#include <functional>

#include "core/app/ProgramState.h"
#include "core/device/SyncWorker.h"
#include "core/pages/MainWindowModel.h"

namespace n63k {

// The main window's writes through the write worker: a snapshot of the
// current profile, a word for each button whose macro is gone, the request,
// then the progress window.
class WorkerWrites final : public ProfileWrites {
 public:
  WorkerWrites(ProgramState& state, SyncWorker& worker, std::function<void()> showProgress)
      : state_(state), worker_(worker), showProgress_(std::move(showProgress)) {}

  bool StartWrite() override;
  void FinishWrite() override { worker_.SetIdle(); }

 private:
  ProgramState& state_;
  SyncWorker& worker_;
  std::function<void()> showProgress_;
};

}  // namespace n63k
