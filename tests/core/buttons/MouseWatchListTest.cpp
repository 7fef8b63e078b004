#include <gtest/gtest.h>

#include <thread>

#include "core/buttons/MouseWatchList.h"

namespace n63k {
namespace {

TEST(MouseWatchList, AddsOnceAndRemoves) {
  MouseWatchList list;
  list.Watch(0x0204);
  list.Watch(0x0204);
  EXPECT_TRUE(list.IsWatched(0x0204));
  list.Unwatch(0x0204);
  EXPECT_FALSE(list.IsWatched(0x0204));
  list.Unwatch(0x0207);
  EXPECT_FALSE(list.IsWatched(0x0207));
}

TEST(MouseWatchList, FullListIgnoresFurtherIdentities) {
  MouseWatchList list;
  for (std::uint32_t i = 1; i <= MouseWatchList::kEntryCount; ++i) {
    list.Watch(i);
  }
  list.Watch(0x0201);
  EXPECT_FALSE(list.IsWatched(0x0201));
  list.Unwatch(5);
  list.Watch(0x0201);
  EXPECT_TRUE(list.IsWatched(0x0201));
  EXPECT_TRUE(list.IsWatched(MouseWatchList::kEntryCount));
}

TEST(MouseWatchList, FreeEntriesAreNeverReportedAsWatched) {
  MouseWatchList list;
  list.Watch(0);
  EXPECT_FALSE(list.IsWatched(0));
}

// The worker rewrites the list while the hooks read it; run under
// ThreadSanitizer this shows that no access races.
TEST(MouseWatchList, ReadersAndAWriterShareTheList) {
  MouseWatchList list;
  std::thread writer([&list] {
    for (int i = 0; i < 2000; ++i) {
      list.Unwatch(0x20A01);
      list.Watch(0x20A01);
    }
  });
  for (int i = 0; i < 2000; ++i) {
    list.IsWatched(0x20A01);
    EXPECT_FALSE(list.IsWatched(0x20A00));
  }
  writer.join();
  EXPECT_TRUE(list.IsWatched(0x20A01));
}

}  // namespace
}  // namespace n63k
