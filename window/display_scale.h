#pragma once

// The window description is laid out in pixels of a 96-dots-per-inch screen.
namespace quillmark {

inline constexpr int kDescriptionDotsPerInch = 96;

// A length of the description at the given dots per inch, rounded half up:
// the one rounding of every rectangle, so that neighbours stay neighbours.
constexpr int ScaledLength(int length, int dotsPerInch) {
  return (length * dotsPerInch + kDescriptionDotsPerInch / 2) / kDescriptionDotsPerInch;
}

}  // namespace quillmark
