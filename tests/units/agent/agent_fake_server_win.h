// An agent server of our own for tests, registered for the agent's class id
// inside the test process: it records every call with its arguments, as text,
// and keeps the registered sink so that a test can send notifications.
#pragma once
#include <windows.h>
#include <agtsvr.h>

#include <string>
#include <vector>

#include "runtime/base/win_handles.h"

namespace lizhi::agent::test {

inline std::string Narrow(const wchar_t* text) {
  if (!text) return "<null>";
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n - 1) : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

struct FakeLog {
  std::vector<std::string> calls;
  win::ComPtr<IUnknown> sink;  // as registered, with the reference the server holds
  LONG objects = 0;            // server and character objects alive
  __LONG32 nextRequest = 100;
  bool failLoad = false;
  void Add(std::string s) { calls.push_back(std::move(s)); }
};

#define LIZHI_FAKE_UNKNOWN(Interface)                                                                    \
  HRESULT WINAPI QueryInterface(REFIID riid, void** out) override {                                      \
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_##Interface) {                      \
      *out = static_cast<Interface*>(this);                                                              \
      AddRef();                                                                                          \
      return S_OK;                                                                                       \
    }                                                                                                    \
    *out = nullptr;                                                                                      \
    return E_NOINTERFACE;                                                                                \
  }                                                                                                      \
  ULONG WINAPI AddRef() override { return static_cast<ULONG>(++refs_); }                                 \
  ULONG WINAPI Release() override {                                                                      \
    const LONG left = --refs_;                                                                           \
    if (left == 0) {                                                                                     \
      --log_.objects;                                                                                    \
      delete this;                                                                                       \
    }                                                                                                    \
    return static_cast<ULONG>(left);                                                                     \
  }                                                                                                      \
  HRESULT WINAPI GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }                                  \
  HRESULT WINAPI GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }                     \
  HRESULT WINAPI GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }    \
  HRESULT WINAPI Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { \
    return E_NOTIMPL;                                                                                    \
  }

#define LIZHI_UNUSED(name, ...) \
  HRESULT WINAPI name(__VA_ARGS__) override { return E_NOTIMPL; }

class FakeCharacter final : public IAgentCharacterEx {
 public:
  explicit FakeCharacter(FakeLog& log) : log_(log) { ++log_.objects; }
  LIZHI_FAKE_UNKNOWN(IAgentCharacterEx)

  HRESULT WINAPI GetVisible(__LONG32* v) override { return Get("GetVisible", v, 1); }
  HRESULT WINAPI SetPosition(__LONG32 l, __LONG32 t) override { return Log("SetPosition", l, t); }
  HRESULT WINAPI GetPosition(__LONG32* l, __LONG32* t) override {
    *l = 31;
    *t = 32;
    return Log("GetPosition");
  }
  HRESULT WINAPI SetSize(__LONG32 w, __LONG32 h) override { return Log("SetSize", w, h); }
  HRESULT WINAPI GetSize(__LONG32* w, __LONG32* h) override {
    *w = 128;
    *h = 129;
    return Log("GetSize");
  }
  HRESULT WINAPI Play(BSTR name, __LONG32* request) override { return Request("Play " + Narrow(name), request); }
  HRESULT WINAPI Show(__LONG32 fast, __LONG32* request) override {
    return Request("Show " + std::to_string(fast), request);
  }
  HRESULT WINAPI Hide(__LONG32 fast, __LONG32* request) override {
    return Request("Hide " + std::to_string(fast), request);
  }
  HRESULT WINAPI Speak(BSTR text, BSTR url, __LONG32* request) override {
    return Request("Speak " + Narrow(text) + "|" + Narrow(url), request);
  }
  HRESULT WINAPI MoveTo(short x, short y, __LONG32 speed, __LONG32* request) override {
    return Request("MoveTo " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(speed), request);
  }
  HRESULT WINAPI SetSoundEffectsOn(__LONG32 on) override { return Log("SetSoundEffectsOn", on); }
  HRESULT WINAPI GetSoundEffectsOn(__LONG32* on) override { return Get("GetSoundEffectsOn", on, 0); }
  HRESULT WINAPI SetAutoPopupMenu(__LONG32 on) override { return Log("SetAutoPopupMenu", on); }
  HRESULT WINAPI GetAutoPopupMenu(__LONG32* on) override { return Get("GetAutoPopupMenu", on, 1); }
  HRESULT WINAPI GetTTSModeID(BSTR* id) override {
    *id = SysAllocString(L"tts-1");
    return Log("GetTTSModeID");
  }
  HRESULT WINAPI SetTTSModeID(BSTR id) override { return Log("SetTTSModeID " + Narrow(id)); }
  HRESULT WINAPI GetSRModeID(BSTR*) override {
    Log("GetSRModeID");
    return E_FAIL;
  }
  HRESULT WINAPI SetSRModeID(BSTR id) override { return Log("SetSRModeID " + Narrow(id)); }

  LIZHI_UNUSED(GetName, BSTR*)
  LIZHI_UNUSED(GetDescription, BSTR*)
  LIZHI_UNUSED(GetTTSSpeed, __LONG32*)
  LIZHI_UNUSED(GetTTSPitch, short*)
  LIZHI_UNUSED(Activate, short)
  LIZHI_UNUSED(SetIdleOn, __LONG32)
  LIZHI_UNUSED(GetIdleOn, __LONG32*)
  LIZHI_UNUSED(Prepare, __LONG32, BSTR, __LONG32, __LONG32*)
  LIZHI_UNUSED(Stop, __LONG32)
  LIZHI_UNUSED(StopAll, __LONG32)
  LIZHI_UNUSED(Wait, __LONG32, __LONG32*)
  LIZHI_UNUSED(Interrupt, __LONG32, __LONG32*)
  LIZHI_UNUSED(GestureAt, short, short, __LONG32*)
  LIZHI_UNUSED(GetMoveCause, __LONG32*)
  LIZHI_UNUSED(GetVisibilityCause, __LONG32*)
  LIZHI_UNUSED(HasOtherClients, __LONG32*)
  LIZHI_UNUSED(SetName, BSTR)
  LIZHI_UNUSED(SetDescription, BSTR)
  LIZHI_UNUSED(GetExtraData, BSTR*)
  LIZHI_UNUSED(ShowPopupMenu, short, short)
  LIZHI_UNUSED(GetHelpFileName, BSTR*)
  LIZHI_UNUSED(SetHelpFileName, BSTR)
  LIZHI_UNUSED(SetHelpModeOn, __LONG32)
  LIZHI_UNUSED(GetHelpModeOn, __LONG32*)
  LIZHI_UNUSED(SetHelpContextID, __LONG32)
  LIZHI_UNUSED(GetHelpContextID, __LONG32*)
  LIZHI_UNUSED(GetActive, short*)
  LIZHI_UNUSED(Listen, __LONG32)
  LIZHI_UNUSED(SetLanguageID, __LONG32)
  LIZHI_UNUSED(GetLanguageID, __LONG32*)
  LIZHI_UNUSED(GetGUID, BSTR*)
  LIZHI_UNUSED(GetOriginalSize, __LONG32*, __LONG32*)
  LIZHI_UNUSED(Think, BSTR, __LONG32*)
  LIZHI_UNUSED(GetVersion, short*, short*)
  LIZHI_UNUSED(GetAnimationNames, IUnknown**)
  LIZHI_UNUSED(GetSRStatus, __LONG32*)

 private:
  HRESULT Log(std::string call) {
    log_.Add(std::move(call));
    return S_OK;
  }
  HRESULT Log(const char* name, __LONG32 a) { return Log(std::string(name) + " " + std::to_string(a)); }
  HRESULT Log(const char* name, __LONG32 a, __LONG32 b) {
    return Log(std::string(name) + " " + std::to_string(a) + " " + std::to_string(b));
  }
  HRESULT Get(const char* name, __LONG32* out, __LONG32 value) {
    *out = value;
    return Log(name);
  }
  HRESULT Request(std::string call, __LONG32* request) {
    *request = log_.nextRequest++;
    return Log(std::move(call));
  }

  FakeLog& log_;
  LONG refs_ = 1;
};

class FakeAgent final : public IAgentEx {
 public:
  explicit FakeAgent(FakeLog& log) : log_(log) { ++log_.objects; }
  LIZHI_FAKE_UNKNOWN(IAgentEx)

  HRESULT WINAPI Load(VARIANT key, __LONG32* characterId, __LONG32* request) override {
    log_.Add(key.vt == VT_BSTR ? "Load " + Narrow(key.bstrVal) : "Load <vt " + std::to_string(key.vt) + ">");
    if (log_.failLoad) return E_FAIL;
    *characterId = 1;
    *request = log_.nextRequest++;
    return S_OK;
  }
  HRESULT WINAPI Unload(__LONG32 id) override {
    log_.Add("Unload " + std::to_string(id));
    return S_OK;
  }
  HRESULT WINAPI Register(IUnknown* sink, __LONG32* id) override {
    log_.Add("Register");
    sink->AddRef();
    log_.sink = win::ComPtr<IUnknown>(sink);
    *id = 7;
    return S_OK;
  }
  HRESULT WINAPI Unregister(__LONG32 id) override {
    log_.Add("Unregister " + std::to_string(id));
    log_.sink.reset();
    return S_OK;
  }
  HRESULT WINAPI GetCharacterEx(__LONG32 id, IAgentCharacterEx** out) override {
    log_.Add("GetCharacterEx " + std::to_string(id));
    *out = new FakeCharacter(log_);
    return S_OK;
  }
  LIZHI_UNUSED(GetCharacter, __LONG32, IDispatch**)
  LIZHI_UNUSED(GetSuspended, __LONG32*)
  LIZHI_UNUSED(GetVersion, short*, short*)
  LIZHI_UNUSED(ShowDefaultCharacterProperties, short, short, __LONG32)

 private:
  FakeLog& log_;
  LONG refs_ = 1;
};

#undef LIZHI_UNUSED
#undef LIZHI_FAKE_UNKNOWN

// The class object: every CoCreateInstance of the agent class gets a new
// FakeAgent writing to `log`.
class FakeAgentFactory final : public IClassFactory {
 public:
  explicit FakeAgentFactory(FakeLog& log) : log_(log) {}
  HRESULT WINAPI QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG WINAPI AddRef() override { return 2; }  // lives on the test's stack
  ULONG WINAPI Release() override { return 1; }
  HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    win::ComPtr<FakeAgent> agent(new FakeAgent(log_));
    return agent->QueryInterface(riid, out);
  }
  HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

 private:
  FakeLog& log_;
};

// Registers the fake for the agent's class id for its lifetime.
class FakeAgentServer {
  win::OleScope ole_;  // before everything else, and after it

 public:
  FakeAgentServer() {
    registered_ = SUCCEEDED(
        CoRegisterClassObject(CLSID_AgentServer, &factory_, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
  }
  ~FakeAgentServer() {
    if (registered_) CoRevokeClassObject(cookie_);
  }
  FakeAgentServer(const FakeAgentServer&) = delete;
  FakeAgentServer& operator=(const FakeAgentServer&) = delete;

  bool registered() const { return registered_; }
  FakeLog log;

 private:
  FakeAgentFactory factory_{log};
  DWORD cookie_ = 0;
  bool registered_ = false;
};

}  // namespace lizhi::agent::test
