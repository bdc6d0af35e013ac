#pragma once

// Copies at most maxBytes bytes of text and a terminator into out, never
// splitting a double-byte character of code page 932 at the cut.
void CopyTextCut(char* out, const char* text, unsigned maxBytes);
