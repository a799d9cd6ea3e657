// GLib's main context run inside the toolkit's loop: its timeouts and its file descriptors
// wake the toolkit and dispatch their sources, and sources added between waits are seen.
#include "WindowsFixture.h"

#include <unistd.h>

#include "fltk/GlibLoop.h"

namespace ttt::test {

class GlibLoopTest : public ::testing::Test {
 protected:
  GlibLoopTest() { Fl::add_check(&GlibLoopTest::beforeWait, &loop); }
  ~GlibLoopTest() override { Fl::remove_check(&GlibLoopTest::beforeWait, &loop); }
  static void beforeWait(void* data) { static_cast<GlibLoop*>(data)->beforeWait(); }

  GlibLoop loop;
};

TEST_F(GlibLoopTest, TimeoutsAndDescriptorsDispatchTheirSourcesFromTheToolkitsLoop) {
  int timeouts = 0;
  const guint timeout = g_timeout_add(
      20,
      [](gpointer data) -> gboolean {
        ++*static_cast<int*>(data);
        return G_SOURCE_CONTINUE;
      },
      &timeouts);
  EXPECT_TRUE(waitUntil([&] { return timeouts >= 2; }));  // it repeats
  g_source_remove(timeout);

  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  GIOChannel* channel = g_io_channel_unix_new(pipeEnds[0]);
  std::string received;
  const guint watch = g_io_add_watch(
      channel, G_IO_IN,
      [](GIOChannel* source, GIOCondition, gpointer data) -> gboolean {
        char byte = 0;
        if (read(g_io_channel_unix_get_fd(source), &byte, 1) == 1) {
          *static_cast<std::string*>(data) += byte;
        }
        return G_SOURCE_CONTINUE;
      },
      &received);
  Fl::wait(0);  // the watch is handed to the toolkit before it next waits
  ASSERT_EQ(write(pipeEnds[1], "a", 1), 1);
  EXPECT_TRUE(waitUntil([&] { return received == "a"; }));
  ASSERT_EQ(write(pipeEnds[1], "b", 1), 1);
  EXPECT_TRUE(waitUntil([&] { return received == "ab"; }));
  // An idle source, ready at once, runs on the next pass of the loop.
  bool idled = false;
  g_idle_add(
      [](gpointer data) -> gboolean {
        *static_cast<bool*>(data) = true;
        return G_SOURCE_REMOVE;
      },
      &idled);
  EXPECT_TRUE(waitUntil([&] { return idled; }));
  g_source_remove(watch);
  g_io_channel_unref(channel);
  close(pipeEnds[0]);
  close(pipeEnds[1]);
}

}  // namespace ttt::test
