#include "platform/win32/ui/control_accessible.h"

#include <oleacc.h>

#include <new>
#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"
#include "platform/win32/system_function.h"
#include "platform/win32/text.h"
#include "platform/win32/ui/window_peer.h"
#include "ui/application.h"
#include "ui/control.h"

namespace platform::win32 {

namespace {

LONG RoleCode(ui::AccessRole role) {
    switch (role) {
        case ui::AccessRole::CheckButton:
            return ROLE_SYSTEM_CHECKBUTTON;
        case ui::AccessRole::RadioButton:
            return ROLE_SYSTEM_RADIOBUTTON;
        case ui::AccessRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case ui::AccessRole::Grouping:
            return ROLE_SYSTEM_GROUPING;
        case ui::AccessRole::TitleBar:
            return ROLE_SYSTEM_TITLEBAR;
        case ui::AccessRole::StaticText:
            return ROLE_SYSTEM_STATICTEXT;
        case ui::AccessRole::None:
            break;
    }
    return ROLE_SYSTEM_CLIENT;
}

LONG StateCode(ui::AccessState s) {
    namespace as = ui::access_state;
    LONG code = 0;
    if (s & as::kChecked) code |= STATE_SYSTEM_CHECKED;
    if (s & as::kMixed) code |= STATE_SYSTEM_MIXED;
    if (s & as::kUnavailable) code |= STATE_SYSTEM_UNAVAILABLE;
    if (s & as::kFocused) code |= STATE_SYSTEM_FOCUSED;
    if (s & as::kFocusable) code |= STATE_SYSTEM_FOCUSABLE;
    if (s & as::kHot) code |= STATE_SYSTEM_HOTTRACKED;
    if (s & as::kPressed) code |= STATE_SYSTEM_PRESSED;
    if (s & as::kInvisible) code |= STATE_SYSTEM_INVISIBLE;
    return code;
}

// A text for the client; S_FALSE for an empty one, as the interface asks.
HRESULT ReturnText(const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    const std::wstring wide = Widen(text);
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT ChildVariant(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

class ControlAccessible final : public IAccessible {
  public:
    ControlAccessible(HWND hwnd, ComPtr<IAccessible> standard)
        : hwnd_(hwnd), std_(std::move(standard)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = --refs_;
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: not offered (clients use the IAccessible methods).
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!Alive()) return RPC_E_DISCONNECTED;
        return std_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        ui::Control* control = Alive();
        if (!control) return RPC_E_DISCONNECTED;
        LONG standard = 0;
        if (FAILED(std_->get_accChildCount(&standard))) standard = 0;
        *count = standard + static_cast<LONG>(control->AccessibleParts().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (t.standardChild) return std_->get_accChild(ChildVariant(t.standardChild), out);
        if (t.part) return S_FALSE;  // a simple element: no object of its own
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Answer(child, name, &IAccessible::get_accName, [](ui::Control& c, BSTR* out) {
            return ReturnText(c.AccessibleName(), out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!value) return E_POINTER;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (t.part) return ReturnText({}, value);
        return std_->get_accValue(StandardId(t), value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (!text) return E_POINTER;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (t.part) return ReturnText({}, text);
        return std_->get_accDescription(StandardId(t), text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (!Own(t)) return std_->get_accRole(StandardId(t), role);
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = RoleCode(t.control->AccessibleRole());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (!Own(t)) return std_->get_accState(StandardId(t), state);
        VariantInit(state);
        state->vt = VT_I4;
        state->lVal = StateCode(t.control->AccessibleState());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        if (!help) return E_POINTER;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (t.part) return ReturnText({}, help);
        return std_->get_accHelp(StandardId(t), help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (t.part) {
            if (file) *file = nullptr;
            if (topic) *topic = 0;
            return S_FALSE;
        }
        return std_->get_accHelpTopic(file, StandardId(t), topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Answer(child, keys, &IAccessible::get_accKeyboardShortcut,
                      [](ui::Control& c, BSTR* out) { return ReturnText(c.ShortcutText(), out); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!Alive()) return RPC_E_DISCONNECTED;
        return std_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!Alive()) return RPC_E_DISCONNECTED;
        return std_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Answer(
            child, action, &IAccessible::get_accDefaultAction,
            [](ui::Control& c, BSTR* out) { return ReturnText(c.AccessibleDefaultAction(), out); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (t.part) return S_FALSE;
        return std_->accSelect(flags, StandardId(t));
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (!t.part) return std_->accLocation(left, top, width, height, StandardId(t));
        if (!left || !top || !width || !height) return E_POINTER;
        const ui::Point origin = t.control->ClientToScreen({0, 0});
        *left = origin.x;
        *top = origin.y;
        *width = t.control->Width();
        *height = t.control->Height();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        Target t = Resolve(start);
        if (t.status != S_OK) return t.status;
        VariantInit(end);
        const LONG parts = PartCount();
        if (t.part && (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS)) {
            const LONG next = t.part + (direction == NAVDIR_NEXT ? 1 : -1);
            if (next < 1 || next > parts) return S_FALSE;
            *end = ChildVariant(next);
            return S_OK;
        }
        if (t.part) return S_FALSE;
        if (!t.standardChild && direction == NAVDIR_FIRSTCHILD && parts > 0) {
            *end = ChildVariant(1);
            return S_OK;
        }
        HRESULT hr = std_->accNavigate(direction, StandardId(t), end);
        if (hr == S_OK && end->vt == VT_I4 && end->lVal > 0 && !t.standardChild) end->lVal += parts;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        ui::Control* control = Alive();
        if (!control) return RPC_E_DISCONNECTED;
        HRESULT hr = std_->accHitTest(x, y, hit);
        if (hr != S_OK || hit->vt != VT_I4) return hr;
        if (hit->lVal == CHILDID_SELF) {
            const ui::Point p = control->ScreenToClient({x, y});
            const std::vector<ui::Control*> parts = control->AccessibleParts();
            if (ui::Control* under = control->GraphicChildAt(p))
                for (size_t i = 0; i < parts.size(); ++i)
                    if (parts[i] == under) hit->lVal = static_cast<LONG>(i + 1);
        } else {
            hit->lVal += PartCount();
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (!Own(t)) return std_->accDoDefaultAction(StandardId(t));
        bool done = false;
        ui::Control& control = *t.control;
        control.App().Guard([&] { done = control.DoAccessibleDefaultAction(); });
        return done ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    // What a child identifier names: the window's control (number 0, no standard child), one of
    // its window-less parts, or a child of the standard object (its own number).
    struct Target {
        HRESULT status = S_OK;
        ui::Control* control = nullptr;
        LONG part = 0;
        LONG standardChild = 0;
    };

    ui::Control* Alive() const {
        WindowPeer* peer = IsWindow(hwnd_) ? WindowPeer::FromHwnd(hwnd_) : nullptr;
        return peer ? &peer->GetControl() : nullptr;
    }
    LONG PartCount() const {
        ui::Control* control = Alive();
        return control ? static_cast<LONG>(control->AccessibleParts().size()) : 0;
    }
    Target Resolve(const VARIANT& child) const {
        Target t;
        ui::Control* control = Alive();
        if (!control) {
            t.status = RPC_E_DISCONNECTED;
            return t;
        }
        if (child.vt != VT_I4 || child.lVal < 0) {
            t.status = E_INVALIDARG;
            return t;
        }
        const std::vector<ui::Control*> parts = control->AccessibleParts();
        const LONG id = child.lVal;
        if (id == CHILDID_SELF) {
            t.control = control;
        } else if (id <= static_cast<LONG>(parts.size())) {
            t.control = parts[static_cast<size_t>(id - 1)];
            t.part = id;
        } else {
            t.standardChild = id - static_cast<LONG>(parts.size());
        }
        return t;
    }
    // Whether the control answers (a part, or the window's control when it has a role).
    static bool Own(const Target& t) {
        return t.part || (t.control && t.control->AccessibleRole() != ui::AccessRole::None);
    }
    static VARIANT StandardId(const Target& t) { return ChildVariant(t.standardChild); }

    // A text property: the control's answer for what it knows, the standard object's else.
    template <typename Own_>
    HRESULT Answer(const VARIANT& child, BSTR* out,
                   HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*), Own_ own) {
        if (!out) return E_POINTER;
        Target t = Resolve(child);
        if (t.status != S_OK) return t.status;
        if (Own(t)) {
            HRESULT hr = own(*t.control, out);
            if (hr == S_OK || t.part) return hr;
        }
        return (std_.Get()->*standard)(StandardId(t), out);
    }

    LONG refs_ = 1;
    HWND hwnd_;
    ComPtr<IAccessible> std_;
};

}  // namespace

bool HasOwnAccessible(ui::Control& control) {
    return control.AccessibleRole() != ui::AccessRole::None || !control.AccessibleParts().empty();
}

LRESULT AnswerClientObject(HWND hwnd, WPARAM wParam) {
    static auto* const createStandard = SystemFunction<decltype(CreateStdAccessibleObject)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    static auto* const resultFromObject =
        SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    if (!createStandard || !resultFromObject) return 0;  // the system's default answer stands
    ComPtr<IAccessible> standard;
    if (FAILED(createStandard(hwnd, OBJID_CLIENT, IID_IAccessible, standard.OutVoid()))) return 0;
    auto* object = new (std::nothrow) ControlAccessible(hwnd, std::move(standard));
    if (!object) return 0;
    LRESULT result = resultFromObject(IID_IAccessible, wParam, object);
    object->Release();  // the result holds its own reference
    return result < 0 ? 0 : result;
}

void RaiseAccessibleEvent(HWND hwnd, ui::AccessEvent what, int part) {
    const DWORD event =
        what == ui::AccessEvent::StateChange ? EVENT_OBJECT_STATECHANGE : EVENT_OBJECT_NAMECHANGE;
    NotifyWinEvent(event, hwnd, OBJID_CLIENT, part == 0 ? CHILDID_SELF : part);
}

}  // namespace platform::win32
