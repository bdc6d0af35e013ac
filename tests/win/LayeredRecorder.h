#pragma once
// Records the pictures that the clock hands to its layered window: every
// UpdateLayeredWindow call of this program, with its flags and a copy of
// the source bitmap's pixels, while a recorder exists.
#include <windows.h>
#include <cstdint>
#include <vector>
#include "tests/win/ImportHook.h"

class LayeredRecorder {
public:
  struct Picture {
    HWND Window;
    DWORD Flags;
    BLENDFUNCTION Blend;
    SIZE Size;
    std::vector<uint32_t> Pixels;   // 0xAARRGGBB, top row first (the clock draws top-down)
    uint32_t At(int x, int y) const { return Pixels[y * Size.cx + x]; }
  };
  std::vector<Picture> Pictures;

  LayeredRecorder() {
    Current() = this;
    Real() = PatchImport("UpdateLayeredWindow", &Record);
  }
  ~LayeredRecorder() {
    if (Real()) PatchImport("UpdateLayeredWindow", Real());
    Current() = nullptr;
  }
  LayeredRecorder(const LayeredRecorder&) = delete;
  LayeredRecorder& operator=(const LayeredRecorder&) = delete;

  bool Installed() const { return Real() != nullptr; }

private:
  using Update = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                               BLENDFUNCTION*, DWORD);
  static LayeredRecorder*& Current() {
    static LayeredRecorder* current = nullptr;
    return current;
  }
  static Update& Real() {
    static Update real = nullptr;
    return real;
  }

  static BOOL WINAPI Record(HWND window, HDC screen, POINT* at, SIZE* size, HDC source,
                            POINT* from, COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
    if (LayeredRecorder* self = Current()) {
      Picture p = {window, flags, blend ? *blend : BLENDFUNCTION{}, size ? *size : SIZE{}, {}};
      DIBSECTION dib = {};
      HGDIOBJ bitmap = source ? GetCurrentObject(source, OBJ_BITMAP) : nullptr;
      if (size && bitmap && GetObjectA(bitmap, sizeof dib, &dib) == sizeof dib &&
          dib.dsBm.bmBits && dib.dsBm.bmBitsPixel == 32) {
        GdiFlush();
        const uint32_t* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
        p.Pixels.assign(bits, bits + size->cx * size->cy);
      }
      self->Pictures.push_back(p);
    }
    return Real()(window, screen, at, size, source, from, key, blend, flags);
  }
};
