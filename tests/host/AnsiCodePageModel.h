#pragma once

// The host's stand-in for the system's ANSI code page that the text rules
// count in: 932 (Japanese, two bytes for kanji, kana and full-width forms,
// one for ASCII and half-width katakana) or 1252 (Western, one byte a
// character). A character outside the code page is its one-byte
// replacement, as Windows converts it.
extern unsigned HostAnsiCodePage;

// Sets the code page for one scope, and puts back the one before.
class AnsiCodePageScope {
public:
  explicit AnsiCodePageScope(unsigned codePage) : kept_(HostAnsiCodePage) {
    HostAnsiCodePage = codePage;
  }
  ~AnsiCodePageScope() { HostAnsiCodePage = kept_; }
  AnsiCodePageScope(const AnsiCodePageScope&) = delete;
  AnsiCodePageScope& operator=(const AnsiCodePageScope&) = delete;

private:
  unsigned kept_;
};
