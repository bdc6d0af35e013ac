// Writes the sample .bmp files, sound and damaged, into a folder: the seed
// corpus from which the fuzzer starts.
#include <cstdio>
#include <string>
#include "tests/fuzz/BitmapSamples.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  int written = 0;
  for (const samples::Sample& s : samples::AllSamples()) {
    std::string path = std::string(argv[1]) + "/" + s.Name + ".bmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(s.File.data(), 1, s.File.size(), f) != s.File.size()) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::fclose(f);
    ++written;
  }
  std::printf("%d seed files in %s\n", written, argv[1]);
  return 0;
}
