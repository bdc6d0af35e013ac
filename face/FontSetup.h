#pragma once
#include <windows.h>
#include <commdlg.h>

// How the time text looks and the background colour, and the records of the
// standard font and colour dialogs that choose them: each dialog opens on the
// current choice and works on a copy, which becomes the choice only when the
// user confirms it.
class FontSetup {
public:
  LOGFONTW LogFont;
  wchar_t StyleName[32];
  COLORREF CustomColors[16];
  CHOOSEFONTW FontDialog;    // works on Chosen
  CHOOSECOLORW ColorDialog;
  bool FontBold;
  bool FontItalic;

  FontSetup();
  FontSetup(const FontSetup&) = delete;
  FontSetup& operator=(const FontSetup&) = delete;

  void AttachWindow(HWND window, HINSTANCE instance);
  // Keeps at most 31 bytes of the name in the ANSI code page, as stored.
  void SetFaceName(const wchar_t* name);

  COLORREF FontColor() const { return TextColor; }
  COLORREF BkColor() const { return Background; }
  void SetFontColor(COLORREF c) { TextColor = c; }
  void SetBkColor(COLORREF c) { Background = c; }
  // Weight and italic byte of the logical font follow the two switches.
  void ApplyStyleSwitches();

  // The font dialog, opened on the current font shown `shownHeight` high
  // (the dialog reckons at the screen's scale); confirmed, the choice and
  // its colour, bold and italic become the current ones, with the height as
  // the dialog gave it. False, and nothing changed, when it was cancelled.
  bool ChooseFont(LONG shownHeight);
  // The colour dialog on the background colour; confirmed, its choice
  // becomes the background.
  bool ChooseBackground();

private:
  LOGFONTW Chosen;           // what the font dialog works on
  COLORREF TextColor;
  COLORREF Background;
};
