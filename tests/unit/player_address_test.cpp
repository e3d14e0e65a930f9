#include "playback/player_address.h"

#include <gtest/gtest.h>

namespace tavrino {
namespace {

TEST(PlayerAddress, AppendsTheBoxTextUnchanged) {
  const std::string prefix = "https://127.0.0.1:44300/webcloud/?v=";
  ASSERT_EQ(ServicePrefix(), prefix);
  for (std::string_view text : {"abc", "", "  a b\t", "a&b#c?d%2", "https://v.example/x?id=1&t=2",
                                "视频 地址", "line\nbreak"}) {
    const std::string address = PlayerAddress(text);
    EXPECT_EQ(address, prefix + std::string(text));
    EXPECT_EQ(address.size(), prefix.size() + text.size());
  }
}

}  // namespace
}  // namespace tavrino
