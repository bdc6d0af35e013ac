#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "face/rules/DisplayFlags.h"

// Every combination of the seven display options.
inline std::vector<DisplayFlags> AllFlagCombinations() {
  const uint32_t bits[] = {OnBorder, OnTransparent, OnCaption, OnAnalog,
                           OnSecond, OnTop, OnBitmap};
  std::vector<DisplayFlags> all;
  for (uint32_t n = 0; n < 128; ++n) {
    DisplayFlags f;
    for (int i = 0; i < 7; ++i)
      if (n & (1u << i)) f.Bits |= bits[i];
    all.push_back(f);
  }
  return all;
}

// A readable name of a combination for failure messages.
inline std::string Describe(DisplayFlags f) {
  struct { uint32_t Bit; const char* Name; } names[] = {
      {OnBorder, "border"}, {OnTransparent, "transparent"}, {OnCaption, "caption"},
      {OnAnalog, "analog"}, {OnSecond, "seconds"}, {OnTop, "top"}, {OnBitmap, "bitmap"}};
  std::string s;
  for (auto& n : names)
    if (f.Has(n.Bit)) s += std::string(s.empty() ? "" : "+") + n.Name;
  return s.empty() ? "none" : s;
}
