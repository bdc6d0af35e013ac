#pragma once
#include <windows.h>

// Small owners for kernel handles that one function borrows: each gives its
// handle back when it goes out of scope. None can be copied.

// A file opened for reading with _lopen, closed with _lclose.
class LegacyFile {
public:
  explicit LegacyFile(const char* path) : file_(_lopen(path, OF_READ)) {}
  ~LegacyFile() {
    if (file_ != HFILE_ERROR) _lclose(file_);
  }
  LegacyFile(const LegacyFile&) = delete;
  LegacyFile& operator=(const LegacyFile&) = delete;
  bool IsOpen() const { return file_ != HFILE_ERROR; }
  HFILE get() const { return file_; }

private:
  HFILE file_;
};

// A movable memory block locked for as long as the scope lasts.
class GlobalLockScope {
public:
  explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
  ~GlobalLockScope() {
    if (data_) GlobalUnlock(block_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* get() const { return data_; }

private:
  HGLOBAL block_;
  void* data_;
};
