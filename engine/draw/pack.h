// The picture pack's record format, shared by its reader, its writer, the
// tests and the fuzz target. A record: u16 width, u16 height (little-endian),
// the upper-case bare name with its NUL, then width x height X1R5G5B5 pixels
// (u16 little-endian, top row first). No header, no index: records follow
// one another to the end of the file.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/draw/ko_draw.h"

namespace koDraw::pack {

// Longest stored name the scan accepts, in bytes; a longer one ends the scan.
constexpr size_t kStoredNameMax = 127;

struct Record {
  uint16_t width, height;
  uint64_t pixelBytes;  // of the record's pixels, those the file still holds
};

// `name` with ASCII letters in upper case, as names stand in a pack.
std::string UpperName(const char* name);

// Scans `f` (of `fileSize` bytes, standing at its start) for the first record
// named exactly `wanted`. True when found: `f` then stands at its first
// pixel. Every size is checked against the file's length.
bool FindRecord(std::FILE* f, uint64_t fileSize, const char* wanted, Record& out);

// Reads the record's pixels into `s` (of the record's size) in the display's
// format; pixels the file does not hold stay black.
void ReadPixels(std::FILE* f, const Record& r, Surface& s);

// The pack value of a surface pixel: its five bits a channel, where a
// colour that is not black never becomes 0.
uint16_t PackPixel(uint16_t pixel565);

// Appends every "*.bmp" (any case) of program directory + folder to the
// pack, in name order; behind Convert's display check.
void ConvertFolder(const char* packName, const char* folder);

}  // namespace koDraw::pack
