#pragma once
#include <windows.h>
#include <commdlg.h>

// How the time text looks and the background colour, kept in the records of
// the standard font and colour dialogs so that each dialog opens on the
// current choice and writes the new one straight back.
class FontSetup {
public:
  LOGFONTW LogFont;
  wchar_t StyleName[32];
  COLORREF CustomColors[16];
  CHOOSEFONTW FontDialog;    // rgbColors is the text colour
  CHOOSECOLORW ColorDialog;  // rgbResult is the background colour
  bool FontBold;
  bool FontItalic;

  FontSetup();
  FontSetup(const FontSetup&) = delete;
  FontSetup& operator=(const FontSetup&) = delete;

  void AttachWindow(HWND window, HINSTANCE instance);
  // Keeps at most 31 bytes of the name in the ANSI code page, as stored.
  void SetFaceName(const wchar_t* name);

  COLORREF FontColor() const { return FontDialog.rgbColors; }
  COLORREF BkColor() const { return ColorDialog.rgbResult; }
  void SetFontColor(COLORREF c) { FontDialog.rgbColors = c; }
  void SetBkColor(COLORREF c) { ColorDialog.rgbResult = c; }
  // Weight and italic byte of the logical font follow the two switches.
  void ApplyStyleSwitches();
};
