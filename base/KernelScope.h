#pragma once
#include <windows.h>

// Small owners for kernel handles that one function borrows: each gives its
// handle back when it goes out of scope. None can be copied.

// A file opened for reading by its UTF-16 path, shared with readers and
// writers as the old OF_READ opening shared it; closed at the scope's end.
class ReadFileScope {
public:
  explicit ReadFileScope(const wchar_t* path)
      : file_(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ReadFileScope() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }
  ReadFileScope(const ReadFileScope&) = delete;
  ReadFileScope& operator=(const ReadFileScope&) = delete;
  bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return file_; }

private:
  HANDLE file_;
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
