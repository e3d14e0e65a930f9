#include <gtest/gtest.h>

#include "playback/clipboard_text.h"
#include "playback/trim_blanks.h"

namespace tavrino {
namespace {

struct TextCase {
  std::string_view input;
  std::string_view expected;
};

TEST(TrimBlanks, RemovesSpacesAndIdeographicSpacesAtBothEndsOnly) {
  for (const TextCase& c : {
           TextCase{"  abc\u3000", "abc"},
           TextCase{"abc", "abc"},
           TextCase{"a b", "a b"},
           TextCase{"\u3000 a\u3000b \u3000", "a\u3000b"},
           TextCase{"", ""},
           TextCase{"   ", ""},
           TextCase{"\u3000\u3000 ", ""},
           TextCase{"\tabc\t", "\tabc\t"},
           TextCase{" abc\n", "abc\n"},
           TextCase{"\r\n abc \r\n", "\r\n abc \r\n"},
           TextCase{"\u00a0abc\u00a0", "\u00a0abc\u00a0"},
           TextCase{" line one\nline two ", "line one\nline two"},
           // U+3001 shares the lead bytes of U+3000 but is no blank.
           TextCase{"\u3001abc\u3001 ", "\u3001abc\u3001"},
           TextCase{" 中文地址 ", "中文地址"},
       }) {
    EXPECT_EQ(TrimBlanks(c.input), c.expected) << "input: [" << c.input << "]";
  }
}

TEST(ClipboardText, StopsAtTheFirstNul) {
  using namespace std::string_view_literals;
  EXPECT_EQ(ClipboardTextFromBytes("abc\0def"sv, ClipboardEncoding::kUtf8), "abc");
  EXPECT_EQ(ClipboardTextFromBytes("\0abc"sv, ClipboardEncoding::kUtf8), "");
  EXPECT_EQ(ClipboardTextFromBytes("ab\0c"sv, ClipboardEncoding::kLatin1), "ab");
}

TEST(ClipboardText, KeepsTheValidPartOfMalformedText) {
  for (const TextCase& c : {
           TextCase{"https://v.example/\xff\xfe", "https://v.example/\ufffd\ufffd"},
           TextCase{"a\xe4\xb8", "a\ufffd\ufffd"},
           TextCase{"\xc3(", "\ufffd("},
           TextCase{"中文", "中文"},
       }) {
    EXPECT_EQ(ClipboardTextFromBytes(c.input, ClipboardEncoding::kUtf8), c.expected);
  }
}

TEST(ClipboardText, ConvertsLatin1) {
  EXPECT_EQ(ClipboardTextFromBytes("caf\xe9 \xa0", ClipboardEncoding::kLatin1), "café \u00a0");
}

}  // namespace
}  // namespace tavrino
