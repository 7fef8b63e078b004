#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/device/MousePresence.h"

namespace n63k {
namespace {

class NoteEvents final : public DeviceEvents {
 public:
  void MouseArrived() override { notes.push_back("arrived"); }
  void MouseRemoved() override { notes.push_back("removed"); }
  std::vector<std::string> notes;
};

using Notes = std::vector<std::string>;

TEST(MousePresence, ThreeInterfacesAreOneArrivalAndOneRemoval) {
  NoteEvents events;
  MousePresence presence(events);
  presence.Added("hidraw3");
  presence.Added("hidraw4");
  presence.Added("hidraw5");
  EXPECT_EQ(events.notes, Notes{"arrived"});
  presence.Removed("hidraw4");
  presence.Removed("hidraw3");
  EXPECT_EQ(events.notes, Notes{"arrived"});
  presence.Removed("hidraw5");
  EXPECT_EQ(events.notes, (Notes{"arrived", "removed"}));
  EXPECT_FALSE(presence.MousePresent());
}

TEST(MousePresence, AMousePresentAtTheStartArrivesNoMoreAndLeavesOnce) {
  NoteEvents events;
  MousePresence presence(events);
  presence.Present("hidraw1");
  presence.Present("hidraw2");
  presence.Added("hidraw2");
  EXPECT_TRUE(events.notes.empty());
  presence.Removed("hidraw1");
  presence.Removed("hidraw2");
  presence.Removed("hidraw2");
  EXPECT_EQ(events.notes, Notes{"removed"});
}

TEST(MousePresence, OtherNodesRemovedAreIgnored) {
  NoteEvents events;
  MousePresence presence(events);
  presence.Removed("hidraw0");
  presence.Added("hidraw3");
  presence.Removed("hidraw0");
  EXPECT_EQ(events.notes, Notes{"arrived"});
}

TEST(MousePresence, PluggedInAgainArrivesAgain) {
  NoteEvents events;
  MousePresence presence(events);
  presence.Added("hidraw3");
  presence.Removed("hidraw3");
  presence.Added("hidraw6");
  EXPECT_EQ(events.notes, (Notes{"arrived", "removed", "arrived"}));
}

}  // namespace
}  // namespace n63k
