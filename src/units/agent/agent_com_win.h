// A COM interface pointer that releases itself, and BSTRs that free themselves.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace lizhi::agent {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out parameters: whatever was held is released first.
  Interface** put() {
    reset();
    return &p_;
  }
  void reset() {
    if (Interface* p = std::exchange(p_, nullptr)) p->Release();
  }

 private:
  Interface* p_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text) : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(s_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return s_; }
  BSTR* put() {
    SysFreeString(std::exchange(s_, nullptr));
    return &s_;
  }

 private:
  BSTR s_ = nullptr;
};

// Text of the local code page as UTF-16, and back.
std::wstring WideFromLocal(std::string_view text);
std::string LocalFromWide(const wchar_t* text, size_t length);

}  // namespace lizhi::agent
