#pragma once

// The program's texts are UTF-16. The registry layout limits its texts in
// bytes of the system's ANSI code page (a face name 31, a message 30, a path
// 259), so that what is stored here stays readable where the texts are read
// in that code page. These rules count and cut in those bytes, a whole
// character at a time: a surrogate pair is never split.

// The bytes that one character (its UTF-16 units: one, or two for a
// surrogate pair) takes in the system's ANSI code page. The Windows build
// asks the system (settings/AnsiCodePage.cpp); the host tests model one.
unsigned AnsiCharBytes(const wchar_t* character, unsigned units);

// What a text costs against a byte limit: its ANSI bytes, and never fewer
// than its UTF-16 units, so that a text within maxBytes also fits a buffer
// of maxBytes + 1 units.
unsigned AnsiLength(const wchar_t* text);

// Copies the longest head of text whose AnsiLength is at most maxBytes,
// ending at a character boundary, and a terminator into out (which may be
// text itself); out holds maxBytes + 1 units.
void CopyTextCut(wchar_t* out, const wchar_t* text, unsigned maxBytes);

// An edit field that takes only what can be stored: when text is over
// maxBytes, the characters just before the caret (the ones typed or pasted)
// are taken out until it fits, or failing that the end is cut. The caret
// lies within the text; returns its new place.
unsigned RefuseExcess(wchar_t* text, unsigned caret, unsigned maxBytes);
