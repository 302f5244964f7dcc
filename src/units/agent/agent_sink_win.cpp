#include "units/agent/agent_sink_win.h"

#include <oleauto.h>

#include "runtime/base/win_handles.h"
#include "units/agent/agent_block.h"
#include "units/agent/agent_com_win.h"

namespace lizhi::agent {

namespace {

bool NeutralOrEnglish(LCID lcid) {
  const WORD language = PRIMARYLANGID(LANGIDFROMLCID(lcid));
  return language == LANG_NEUTRAL || language == LANG_ENGLISH;
}

int32_t Keys(short keys) { return static_cast<uint16_t>(keys); }

class AgentSink final : public IAgentNotifySinkEx {
 public:
  AgentSink(uint32_t windowId, uint32_t unitId, SinkEventFn fire) : windowId_(windowId), unitId_(unitId), fire_(fire) {}

  // IUnknown
  HRESULT WINAPI QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IID_IUnknown && riid != IID_IAgentNotifySinkEx) return E_NOINTERFACE;
    *out = static_cast<IAgentNotifySinkEx*>(this);
    AddRef();
    return S_OK;
  }
  ULONG WINAPI AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG WINAPI Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch, through the registered type library.
  HRESULT WINAPI GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT WINAPI GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (!NeutralOrEnglish(lcid)) return DISP_E_UNKNOWNLCID;
    ITypeInfo* info = TypeInfo();
    if (!info) return TYPE_E_LIBNOTREGISTERED;
    info->AddRef();
    *out = info;
    return S_OK;
  }
  HRESULT WINAPI GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!NeutralOrEnglish(lcid)) return DISP_E_UNKNOWNLCID;
    ITypeInfo* info = TypeInfo();
    if (!info) return TYPE_E_LIBNOTREGISTERED;
    return DispGetIDsOfNames(info, names, count, ids);
  }
  HRESULT WINAPI Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* badArg) override {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!NeutralOrEnglish(lcid)) return DISP_E_UNKNOWNLCID;
    ITypeInfo* info = TypeInfo();
    if (!info) return TYPE_E_LIBNOTREGISTERED;
    return DispInvoke(static_cast<IAgentNotifySink*>(this), info, member, flags, params, result, exception, badArg);
  }

  // The notifications that become events.
  HRESULT WINAPI Command(__LONG32 commandId, IUnknown*) override { return Fire(kEventCommand, {commandId}, 1); }
  HRESULT WINAPI Click(__LONG32, short keys, __LONG32 x, __LONG32 y) override {
    return Fire(kEventClick, {Keys(keys), x, y}, 3);
  }
  HRESULT WINAPI DblClick(__LONG32, short keys, __LONG32 x, __LONG32 y) override {
    return Fire(kEventDblClick, {Keys(keys), x, y}, 3);
  }
  HRESULT WINAPI DragStart(__LONG32, short keys, __LONG32 x, __LONG32 y) override {
    return Fire(kEventDragStart, {Keys(keys), x, y}, 3);
  }
  HRESULT WINAPI DragComplete(__LONG32, short keys, __LONG32 x, __LONG32 y) override {
    return Fire(kEventDragComplete, {Keys(keys), x, y}, 3);
  }
  HRESULT WINAPI RequestStart(__LONG32 requestId) override { return Fire(kEventRequestStart, {requestId}, 1); }
  HRESULT WINAPI RequestComplete(__LONG32 requestId, __LONG32 status) override {
    return Fire(kEventRequestComplete, {requestId, status}, 2);
  }

  // Accepted and ignored.
  HRESULT WINAPI ActivateInputState(__LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI Restart() override { return S_OK; }
  HRESULT WINAPI Shutdown() override { return S_OK; }
  HRESULT WINAPI VisibleState(__LONG32, __LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI BookMark(__LONG32) override { return S_OK; }
  HRESULT WINAPI Idle(__LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI Move(__LONG32, __LONG32, __LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI Size(__LONG32, __LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI BalloonVisibleState(__LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI HelpComplete(__LONG32, __LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI ListeningState(__LONG32, __LONG32, __LONG32) override { return S_OK; }
  HRESULT WINAPI DefaultCharacterChange(BSTR) override { return S_OK; }
  HRESULT WINAPI AgentPropertyChange() override { return S_OK; }
  HRESULT WINAPI ActiveClientChange(__LONG32, __LONG32) override { return S_OK; }

 private:
  struct Args {
    int32_t v[3];
  };
  HRESULT Fire(int32_t index, Args args, int32_t count) {
    if (fire_) fire_(windowId_, unitId_, index, count, args.v);
    return S_OK;
  }

  // The sink interface's description, looked up once, for a neutral locale
  // first and then English.
  ITypeInfo* TypeInfo() {
    if (!typeInfo_ && !typeInfoTried_) {
      typeInfoTried_ = true;
      for (LCID lcid :
           {LCID(LANG_NEUTRAL), LCID(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT))}) {
        win::ComPtr<ITypeLib> library;
        if (FAILED(LoadRegTypeLib(LIBID_AgentServerObjects, 1, 0, lcid, library.put())) || !library) continue;
        if (SUCCEEDED(library->GetTypeInfoOfGuid(IID_IAgentNotifySink, typeInfo_.put()))) break;
      }
    }
    return typeInfo_.get();
  }

  LONG refs_ = 1;
  uint32_t windowId_;
  uint32_t unitId_;
  SinkEventFn fire_;
  win::ComPtr<ITypeInfo> typeInfo_;
  bool typeInfoTried_ = false;
};

}  // namespace

IAgentNotifySinkEx* MakeAgentSink(uint32_t windowId, uint32_t unitId, SinkEventFn fire) {
  return new AgentSink(windowId, unitId, fire);
}

}  // namespace lizhi::agent
