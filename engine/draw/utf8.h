// Reading UTF-8 text one character at a time.
#pragma once
#include <cstddef>
#include <cstdint>

namespace koDraw::utf8 {

struct Char {
  char32_t code;
  int length;  // bytes
};

constexpr char32_t kReplacement = 0xFFFD;

// The character at s, of at most n bytes (n >= 1). A byte that starts no
// well-formed sequence is one character of its own, U+FFFD.
inline Char Decode(const char* s, size_t n) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  if (b0 < 0x80) return {b0, 1};
  int length;
  char32_t code, least;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2, code = b0 & 0x1F, least = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, code = b0 & 0x0F, least = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, code = b0 & 0x07, least = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (n < static_cast<size_t>(length)) return {kReplacement, 1};
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[k]);
    if ((b & 0xC0) != 0x80) return {kReplacement, 1};
    code = code << 6 | (b & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return {kReplacement, 1};
  return {code, length};
}

// The length of s (n bytes) without a character that its end cuts apart.
inline size_t WithoutCutTail(const char* s, size_t n) {
  for (size_t back = 1; back <= 4 && back <= n; ++back) {
    const auto b = static_cast<unsigned char>(s[n - back]);
    if ((b & 0xC0) == 0x80) continue;  // a continuation byte: its lead is further back
    const size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return need > back ? n - back : n;
  }
  return n;
}

// The length of the start of s that holds at most `count` characters.
inline size_t FirstChars(const char* s, size_t n, size_t count) {
  size_t i = 0;
  for (size_t k = 0; k < count && i < n; ++k) i += static_cast<size_t>(Decode(s + i, n - i).length);
  return i;
}

}  // namespace koDraw::utf8
