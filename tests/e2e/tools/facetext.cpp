// Draws a time text the way the digital face shows it with the default
// settings (Arial, 37 pixels, red on light grey, centred on one line) into a
// .bmp file, for the end-to-end tests to hold against a screenshot of the
// clock's client area. Console program:
//   facetext WIDTH HEIGHT TEXT OUT.bmp
#include <windows.h>
#include <cstdio>
#include <cstdlib>

static bool WriteBmp(const char* path, const BITMAPINFOHEADER& header, const void* bits) {
  DWORD imageSize = header.biSizeImage;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 &&
            std::fwrite(&header, sizeof header, 1, f) == 1 &&
            std::fwrite(bits, imageSize, 1, f) == 1;
  return std::fclose(f) == 0 && ok;
}

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: facetext WIDTH HEIGHT TEXT OUT.bmp\n", stderr);
    return 2;
  }
  int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  BITMAPINFO info = {};
  BITMAPINFOHEADER& h = info.bmiHeader;
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  h.biSizeImage = DWORD(((width * 3 + 3) & ~3) * height);

  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return 1;
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all = {0, 0, width, height};
  HBRUSH grey = CreateSolidBrush(RGB(192, 192, 192));
  FillRect(dc, &all, grey);
  DeleteObject(grey);

  HFONT font = CreateFontA(37, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           DEFAULT_QUALITY, 0, "Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 0, 0));
  DrawTextA(dc, argv[3], -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  GdiFlush();
  bool ok = WriteBmp(argv[4], h, bits);

  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return ok ? 0 : 1;
}
