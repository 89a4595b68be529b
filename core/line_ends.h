// The line end each line is written with: the document's own, or the one
// the line had in its file when that was another (a line flag records it).
#pragma once
#include <cstdint>

#include "core/line.h"
#include "core/options.h"

namespace tarn {

// The flag recording a line end (lineend:: value) other than the document's.
constexpr uint16_t lineEndFlag(int lineEnd) {
  switch (lineEnd) {
    case lineend::kCrLf: return lineflag::kEndedCrLf;
    case lineend::kCr: return lineflag::kEndedCr;
    case lineend::kLf: return lineflag::kEndedLf;
    default: return lineflag::kNoLineEnd;
  }
}

constexpr uint16_t kLineEndFlags =
    lineflag::kEndedCrLf | lineflag::kEndedCr | lineflag::kEndedLf | lineflag::kNoLineEnd;

// The line end a line had in its file, given the document's line end.
constexpr int ownLineEnd(uint16_t flags, int documentLineEnd) {
  if (flags & lineflag::kEndedCrLf) return lineend::kCrLf;
  if (flags & lineflag::kEndedCr) return lineend::kCr;
  if (flags & lineflag::kEndedLf) return lineend::kLf;
  if (flags & lineflag::kNoLineEnd) return lineend::kNone;
  return documentLineEnd;
}

}  // namespace tarn
