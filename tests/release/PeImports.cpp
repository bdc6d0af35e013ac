// Lists what a Windows exe loads: one line per DLL of its import table
// ("import KERNEL32.dll") and per function it loads on first call
// ("delay winmm.dll sndPlaySoundA"). Built natively by the release check.
//
// MinGW's linker leaves the delay-import entry of the data directory empty,
// so the delay-import descriptors that dlltool's libraries bring are found
// by their shape instead: 32 bytes of attributes 1 (addresses are RVAs),
// then the RVAs of the DLL's name, its module handle, its import address
// and name tables, two unused RVAs and a zero time stamp.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Section {
  uint32_t Rva, Size, FileOffset, FileSize;
};

struct Image {
  std::vector<uint8_t> Bytes;
  std::vector<Section> Sections;
  bool Wide = false;  // PE32+: 8-byte thunks

  uint32_t U32(size_t at) const {
    if (at + 4 > Bytes.size()) return 0;
    uint32_t v;
    std::memcpy(&v, &Bytes[at], 4);
    return v;
  }
  uint16_t U16(size_t at) const {
    if (at + 2 > Bytes.size()) return 0;
    return static_cast<uint16_t>(Bytes[at] | Bytes[at + 1] << 8);
  }
  // The file offset of an RVA, or 0 when no section holds it.
  size_t Offset(uint32_t rva) const {
    for (const Section& s : Sections)
      if (rva >= s.Rva && rva - s.Rva < s.FileSize) return s.FileOffset + (rva - s.Rva);
    return 0;
  }
  bool Mapped(uint32_t rva) const {
    for (const Section& s : Sections)
      if (rva >= s.Rva && rva - s.Rva < s.Size) return true;
    return false;
  }
  // The printable NUL-terminated text at an RVA, or "" when there is none.
  std::string Text(uint32_t rva) const {
    size_t at = Offset(rva);
    std::string out;
    for (; at && at < Bytes.size() && Bytes[at]; ++at) {
      if (Bytes[at] < 0x20 || Bytes[at] > 0x7e || out.size() > 255) return "";
      out += static_cast<char>(Bytes[at]);
    }
    return out;
  }
  // The function names of an import name table (ordinals as "#n").
  std::vector<std::string> Names(uint32_t tableRva) const {
    std::vector<std::string> out;
    const size_t step = Wide ? 8 : 4;
    for (size_t at = Offset(tableRva); at && at + step <= Bytes.size(); at += step) {
      const uint64_t thunk = Wide ? (uint64_t{U32(at + 4)} << 32 | U32(at)) : U32(at);
      if (!thunk) break;
      const bool byOrdinal = Wide ? thunk >> 63 : thunk >> 31;
      if (byOrdinal)
        out.push_back("#" + std::to_string(thunk & 0xffff));
      else
        out.push_back(Text(static_cast<uint32_t>(thunk) + 2));
    }
    return out;
  }
};

}  // namespace

static bool EndsWithDll(const std::string& name) {
  if (name.size() < 5) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(c | 0x20);
  return tail == ".dll";
}

static bool Load(const char* path, Image& image) {
  std::ifstream in(path, std::ios::binary);
  image.Bytes.assign(std::istreambuf_iterator<char>(in), {});
  const size_t pe = image.U32(0x3c);
  if (image.U16(0) != 0x5a4d || image.U32(pe) != 0x4550) return false;
  const unsigned sections = image.U16(pe + 6);
  const size_t optional = pe + 24;
  image.Wide = image.U16(optional) == 0x20b;
  const size_t table = optional + image.U16(pe + 20);
  for (unsigned i = 0; i < sections; ++i) {
    const size_t s = table + 40 * i;
    image.Sections.push_back({image.U32(s + 12), image.U32(s + 8), image.U32(s + 20), image.U32(s + 16)});
  }
  return true;
}

static void PrintImports(const Image& image) {
  const size_t optional = image.U32(0x3c) + 24;
  const size_t directory = optional + (image.Wide ? 112 : 96);
  for (size_t at = image.Offset(image.U32(directory + 8)); at; at += 20) {
    const uint32_t name = image.U32(at + 12);
    if (!name) break;
    std::printf("import %s\n", image.Text(name).c_str());
  }
}

static void PrintDelayImports(const Image& image) {
  for (const Section& s : image.Sections) {
    for (size_t at = s.FileOffset; at + 32 <= s.FileOffset + s.FileSize; at += 4) {
      if (image.U32(at) != 1 || image.U32(at + 28) != 0) continue;
      const std::string dll = image.Text(image.U32(at + 4));
      if (!EndsWithDll(dll) || !image.Mapped(image.U32(at + 8)) ||
          !image.Mapped(image.U32(at + 12)) || !image.Offset(image.U32(at + 16)))
        continue;
      for (const std::string& function : image.Names(image.U32(at + 16)))
        std::printf("delay %s %s\n", dll.c_str(), function.c_str());
    }
  }
}

int main(int argc, char** argv) {
  Image image;
  if (argc != 2 || !Load(argv[1], image)) {
    std::fprintf(stderr, "usage: pe-imports FILE.exe (a PE file)\n");
    return 2;
  }
  PrintImports(image);
  PrintDelayImports(image);
  return 0;
}
