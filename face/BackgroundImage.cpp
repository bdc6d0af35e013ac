// Placeholder until the background picture is built.
#include "face/BackgroundImage.h"
BackgroundImage::BackgroundImage(HWND window)
    : Window(window), FileHeader(), Block(nullptr), Locked(nullptr), Info(nullptr),
      ColorTable(nullptr), ColorCount(0), Bits(nullptr) {}
BackgroundImage::~BackgroundImage() { Release(); }
bool BackgroundImage::Load(const char*) { return false; }
void BackgroundImage::Release() {}
void BackgroundImage::DrawStretched(HDC, const RECT&) {}
bool BackgroundImage::Read(HFILE) { return false; }
bool BackgroundImage::LockAndParse() { return false; }
void BackgroundImage::Unlock() {}
