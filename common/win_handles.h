// Small owners for Win32 handles, registry keys and COM pointers.
#pragma once

#include <windows.h>

#include <utility>

namespace lumaret {

// A kernel handle closed with CloseHandle. Both null and
// INVALID_HANDLE_VALUE count as "no handle".
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
  HANDLE release() { return std::exchange(h_, nullptr); }
  void reset(HANDLE h = nullptr) {
    if (*this) CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_ = nullptr;
};

// A search handle of FindFirstFile, closed with FindClose.
class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

// An open registry key, closed with RegCloseKey.
class RegKey {
 public:
  RegKey() = default;
  ~RegKey() { reset(); }
  RegKey(RegKey&& o) noexcept : k_(std::exchange(o.k_, nullptr)) {}
  RegKey& operator=(RegKey&& o) noexcept {
    if (this != &o) {
      reset();
      k_ = std::exchange(o.k_, nullptr);
    }
    return *this;
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  HKEY get() const { return k_; }
  HKEY* put() {
    reset();
    return &k_;
  }
  explicit operator bool() const { return k_ != nullptr; }
  void reset() {
    if (k_) RegCloseKey(k_);
    k_ = nullptr;
  }

 private:
  HKEY k_ = nullptr;
};

// A COM interface pointer, released when it goes.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

// A GDI object, deleted with DeleteObject.
template <typename T>
class GdiObject {
 public:
  explicit GdiObject(T h = nullptr) : h_(h) {}
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  T get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(T h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }

 private:
  T h_;
};

}  // namespace lumaret
