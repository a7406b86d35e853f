#include "SetupWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "ControlIds.h"
#include "GdiCanvas.h"

namespace setupwin {

using setup::Component;
using setup::Prop;

COLORREF Resolve(setup::Color c) {
  return setup::IsSystemColor(c) ? GetSysColor(setup::SystemColorIndex(c)) : (c & 0xFFFFFF);
}

namespace {

const wchar_t* Wide(const std::u16string& s) {
  return reinterpret_cast<const wchar_t*>(s.c_str());
}

setup::FontSpec SpecOf(const setup::Font& f) {
  return {f.name, f.size, f.charset, false};
}

enum class Kind { kPicture, kLabel, kGroupBox, kEdit, kButton, kPanel, kOther };

Kind KindOf(const std::string& cls) {
  if (cls == "TImage") return Kind::kPicture;
  if (cls == "TTntLabel" || cls == "TLabel") return Kind::kLabel;
  if (cls == "TTntGroupBox" || cls == "TGroupBox") return Kind::kGroupBox;
  if (cls == "TLPEdit" || cls == "TTntEdit") return Kind::kEdit;
  if (cls == "TLPButton" || cls == "TTntButton") return Kind::kButton;
  if (cls == "TPanel") return Kind::kPanel;
  return Kind::kOther;
}

bool IsPushButton(HWND hwnd) {
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (lstrcmpiW(cls, L"Button") != 0) return false;
  const LONG_PTR type = GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

}  // namespace

struct SetupWindow::Control {
  Component* model = nullptr;
  Kind kind = Kind::kOther;
  HWND hwnd = nullptr;
  int id = 0;
  FontHandle font;
  Brush background;
  std::unique_ptr<setup::TLPButton> button;
  std::unique_ptr<setup::TLPEdit> edit;
  bool tracking = false;  // mouse-leave tracking requested
};

SetupWindow::SetupWindow(setup::Form& form) : form_(form) {
  for (std::size_t i = 0; i < form.ComponentCount(); ++i) {
    auto c = std::make_unique<Control>();
    c->model = &form.ComponentAt(i);
    c->kind = KindOf(c->model->ClassName());
    c->id = ControlIdOf(c->model->Name().c_str());
    if (c->id == 0) c->id = 2000 + static_cast<int>(i);
    controls_.push_back(std::move(c));
  }
}

SetupWindow::~SetupWindow() {
  form_.SetObserver(nullptr);
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool SetupWindow::Create(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &SetupWindow::FrameProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kDialogClass;
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

  face_brush_.Reset(CreateSolidBrush(Resolve(form_.GetColor())));
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT rc{0, 0, form_.ClientWidth(), form_.ClientHeight()};
  AdjustWindowRectEx(&rc, style, FALSE, ex_style);
  const int w = rc.right - rc.left;
  const int h = rc.bottom - rc.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  hwnd_ = CreateWindowExW(ex_style, kDialogClass, Wide(form_.Caption()), style, x, y, w, h, nullptr,
                          nullptr, instance, this);
  if (hwnd_ == nullptr) return false;

  // Windows are created in tab order (the container's place first), so
  // that Tab walks them as designed; controls that take no focus come first.
  std::vector<Control*> order;
  for (auto& c : controls_) order.push_back(c.get());
  auto key = [](const Control* c) {
    const Component* p = c->model->Parent();
    const int outer = p != nullptr ? p->TabOrder() : c->model->TabOrder();
    const int inner = p != nullptr ? c->model->TabOrder() : -1;
    return std::pair(outer, inner);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](const Control* a, const Control* b) { return key(a) < key(b); });
  for (Control* c : order) {
    if (c->kind == Kind::kGroupBox || c->kind == Kind::kPanel) CreateControl(*c);
  }
  for (Control* c : order) {
    if (c->kind != Kind::kGroupBox && c->kind != Kind::kPanel) CreateControl(*c);
  }
  // Containers go beneath their contents, or they would paint over them.
  for (auto& c : controls_) {
    if (c->hwnd != nullptr && (c->kind == Kind::kGroupBox || c->kind == Kind::kPanel)) {
      SetWindowPos(c->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  for (auto& c : controls_) {
    if (c->kind == Kind::kPicture && !c->model->Picture().empty())
      banner_.Load(c->model->Picture());
  }
  form_.SetObserver(this);
  return true;
}

POINT SetupWindow::Origin(const Component* parent) const {
  POINT p{0, 0};
  for (const Component* q = parent; q != nullptr; q = q->Parent()) {
    p.x += q->GetBounds().left;
    p.y += q->GetBounds().top;
  }
  return p;
}

void SetupWindow::CreateControl(Control& c) {
  const Component& m = *c.model;
  const setup::Style& s = m.Style();
  const wchar_t* cls = L"STATIC";
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ex_style = 0;
  switch (c.kind) {
    case Kind::kPicture: style |= SS_OWNERDRAW; break;
    case Kind::kLabel:
      style |= SS_NOTIFY | SS_NOPREFIX;
      style |= s.alignment == setup::TextAlign::Right    ? SS_RIGHT
               : s.alignment == setup::TextAlign::Center ? SS_CENTER
                                                         : SS_LEFT;
      break;
    case Kind::kGroupBox:
      cls = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case Kind::kEdit:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL | (s.readOnly ? ES_READONLY : 0) |
               (s.hideSelection ? 0 : ES_NOHIDESEL);
      c.edit = std::make_unique<setup::TLPEdit>([&c] { InvalidateRect(c.hwnd, nullptr, TRUE); });
      c.edit->SetBorderColor(Resolve(s.borderColor));
      c.edit->SetActiveColor(Resolve(s.activeColor));
      c.edit->SetColor(Resolve(m.GetColor()));
      break;
    case Kind::kButton: {
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_OWNERDRAW;
      c.button =
          std::make_unique<setup::TLPButton>([&c] { InvalidateRect(c.hwnd, nullptr, FALSE); });
      c.button->SetSize(m.GetBounds().width, m.GetBounds().height);
      c.button->SetBorderColor(Resolve(s.borderColor));
      c.button->SetColor(Resolve(m.GetColor()));
      c.button->SetActiveColor(Resolve(s.activeColor));
      c.button->SetGradientColor(s.gradient);
      break;
    }
    case Kind::kPanel: break;
    case Kind::kOther: break;
  }
  if (m.Visible()) style |= WS_VISIBLE;
  if (!m.Enabled()) style |= WS_DISABLED;
  c.hwnd = CreateWindowExW(ex_style, cls, Wide(m.Caption()), style, 0, 0, 0, 0, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)),
                           nullptr);
  if (c.hwnd == nullptr) return;
  SetWindowSubclass(c.hwnd, &SetupWindow::ControlProc, 1, reinterpret_cast<DWORD_PTR>(this));
  ApplyFont(c);
  ApplyBounds(c);
}

void SetupWindow::ApplyFont(Control& c) {
  if (c.hwnd == nullptr) return;
  WindowDc dc(c.hwnd);
  c.font = MakeFont(dc.Get(), SpecOf(c.model->GetFont()));
  SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font.Get()), TRUE);
  if (c.kind == Kind::kLabel && c.model->Style().autoSize) ApplyBounds(c);
}

void SetupWindow::ApplyBounds(Control& c) {
  if (c.hwnd == nullptr) return;
  const setup::Bounds& b = c.model->GetBounds();
  const POINT o = Origin(c.model->Parent());
  int w = b.width;
  int h = b.height;
  if (c.kind == Kind::kLabel && c.model->Style().autoSize) {
    // An auto-sized label is as large as its text.
    WindowDc dc(c.hwnd);
    Selected sel(dc.Get(), c.font.Get());
    const std::u16string& t = c.model->Caption();
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), Wide(t), static_cast<int>(t.size()), &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    w = size.cx;
    h = tm.tmHeight;
  }
  if (c.button) c.button->SetSize(w, h);
  MoveWindow(c.hwnd, o.x + b.left, o.y + b.top, w, h, TRUE);
}

void SetupWindow::ApplyCaption(Control& c) {
  SetWindowTextW(c.hwnd, Wide(c.model->Caption()));
  if (c.kind == Kind::kLabel && c.model->Style().autoSize) ApplyBounds(c);
  InvalidateRect(c.hwnd, nullptr, TRUE);
}

void SetupWindow::Changed(Component* m, Prop what) {
  if (m == nullptr) {
    if (what == Prop::Caption) SetWindowTextW(hwnd_, Wide(form_.Caption()));
    return;
  }
  Control* c = nullptr;
  for (auto& x : controls_) {
    if (x->model == m) c = x.get();
  }
  if (c == nullptr || c->hwnd == nullptr) return;
  switch (what) {
    case Prop::Caption: ApplyCaption(*c); break;
    case Prop::Font:
    case Prop::ParentFont: ApplyFont(*c); break;
    case Prop::Color:
      if (c->button) c->button->SetColor(Resolve(m->GetColor()));
      if (c->edit) c->edit->SetColor(Resolve(m->GetColor()));
      InvalidateRect(c->hwnd, nullptr, TRUE);
      break;
    case Prop::Enabled: EnableWindow(c->hwnd, m->Enabled() ? TRUE : FALSE); break;
    case Prop::Visible: ShowWindow(c->hwnd, m->Visible() ? SW_SHOW : SW_HIDE); break;
    case Prop::Bounds: ApplyBounds(*c); break;
    case Prop::Picture:
      banner_.Load(m->Picture());
      InvalidateRect(c->hwnd, nullptr, TRUE);
      break;
    default: break;
  }
}

SetupWindow::Control* SetupWindow::ByHwnd(HWND hwnd) const {
  for (auto& c : controls_) {
    if (c->hwnd == hwnd) return c.get();
  }
  return nullptr;
}

SetupWindow::Control* SetupWindow::ById(int id) const {
  for (auto& c : controls_) {
    if (c->id == id) return c.get();
  }
  return nullptr;
}

void SetupWindow::FocusMovedTo(HWND focused) {
  const bool to_button = focused != nullptr && IsPushButton(focused);
  for (auto& c : controls_) {
    if (c->button) {
      c->button->FocusChanged(to_button, c->hwnd == focused, c->model->Style().isDefault);
    }
  }
}

void SetupWindow::DrawItem(const DRAWITEMSTRUCT& dis) {
  Control* c = ByHwnd(dis.hwndItem);
  if (c == nullptr) return;
  if (c->kind == Kind::kPicture) {
    banner_.Paint(dis.hDC, dis.rcItem);
    return;
  }
  if (!c->button) return;
  // The face is painted only where the gradient goes: lay the dialog's
  // background first so that the ring and a gradient-less face show it.
  FillRect(dis.hDC, &dis.rcItem, face_brush_.Get());
  GdiCanvas canvas(dis.hDC);
  const setup::Component& m = *c->model;
  const setup::Rect item{dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom};
  c->button->Paint(canvas, {item, (dis.itemState & ODS_SELECTED) != 0},
                   {m.Caption(), SpecOf(m.GetFont()), Resolve(m.GetFont().color), m.Enabled()});
}

bool SetupWindow::PreTranslate(MSG& msg) const {
  return hwnd_ != nullptr && IsDialogMessageW(hwnd_, &msg) != FALSE;
}

LRESULT CALLBACK SetupWindow::FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    auto* self = static_cast<SetupWindow*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->HandleFrame(msg, wp, lp);
}

LRESULT SetupWindow::HandleFrame(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DRAWITEM: DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (Control* c = ById(static_cast<int>(mis->CtlID)); c != nullptr && c->button) {
        mis->itemWidth = static_cast<UINT>(c->button->Width());
        mis->itemHeight = static_cast<UINT>(c->button->Height());
      }
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wp);
      Control* c = ByHwnd(reinterpret_cast<HWND>(lp));
      if (c == nullptr) break;
      SetTextColor(dc, Resolve(c->model->GetFont().color));
      if (c->edit) {
        c->background.Reset(CreateSolidBrush(c->edit->Color()));
        SetBkColor(dc, c->edit->Color());
        return reinterpret_cast<LRESULT>(c->background.Get());
      }
      SetBkMode(dc, TRANSPARENT);
      SetBkColor(dc, Resolve(form_.GetColor()));
      return reinterpret_cast<LRESULT>(face_brush_.Get());
    }
    case WM_COMMAND: {
      const int code = HIWORD(wp);
      const int id = LOWORD(wp);
      if (id == IDCANCEL) {
        if (onClick) onClick("Button3");
        return 0;
      }
      Control* c = ById(id);
      if (c == nullptr && id == IDOK) {
        for (auto& x : controls_) {
          if (x->model->Style().isDefault) c = x.get();
        }
      }
      if (c != nullptr && (code == BN_CLICKED || code == STN_CLICKED) && onClick) {
        onClick(c->model->Name());
      }
      return 0;
    }
    case DM_GETDEFID:
      for (auto& c : controls_) {
        if (c->model->Style().isDefault) return MAKELRESULT(c->id, DC_HASDEFID);
      }
      break;
    case WM_CLOSE: DestroyWindow(hwnd_); return 0;
    case WM_DESTROY:
      form_.SetObserver(nullptr);
      hwnd_ = nullptr;
      if (onDestroyed) onDestroyed();
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK SetupWindow::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                          DWORD_PTR data) {
  auto* self = reinterpret_cast<SetupWindow*>(data);
  Control* c = self->ByHwnd(hwnd);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &SetupWindow::ControlProc, 1);
    if (c != nullptr) c->hwnd = nullptr;
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  if (c == nullptr) return DefSubclassProc(hwnd, msg, wp, lp);
  return self->HandleControl(*c, msg, wp, lp);
}

LRESULT SetupWindow::HandleControl(Control& c, UINT msg, WPARAM wp, LPARAM lp) {
  const HWND hwnd = c.hwnd;
  if (msg == WM_SETFOCUS) {
    const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
    if (c.edit) c.edit->SetFocus();
    FocusMovedTo(hwnd);
    return r;
  }
  if (c.edit) {
    switch (msg) {
      case WM_PAINT: {
        // The edit paints itself first; the frame goes on top.
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        WindowDc dc(hwnd);
        RECT rc{};
        GetClientRect(hwnd, &rc);
        GdiCanvas canvas(dc.Get());
        c.edit->PaintFrame(canvas, rc.right, rc.bottom);
        return r;
      }
      case WM_KILLFOCUS: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        c.edit->KillFocus();
        return r;
      }
      case WM_ENABLE: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        c.edit->EnabledChanged(wp != FALSE);
        return r;
      }
      default: break;
    }
  }
  if (c.button) {
    switch (msg) {
      case WM_MOUSEMOVE: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        if (!c.tracking) {
          TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd, 0};
          c.tracking = TrackMouseEvent(&tme) != FALSE;
          c.button->MouseEnter();
        }
        return r;
      }
      case WM_MOUSELEAVE: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        c.tracking = false;
        c.button->MouseLeave();
        return r;
      }
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        c.button->LButtonDown();
        return r;
      }
      case WM_LBUTTONUP: c.button->LButtonUp(); return DefSubclassProc(hwnd, msg, wp, lp);
      case WM_KEYDOWN: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        c.button->KeyDown(static_cast<int>(wp));
        return r;
      }
      case WM_KEYUP:
        c.button->KeyUp(static_cast<int>(wp));
        return DefSubclassProc(hwnd, msg, wp, lp);
      case WM_ENABLE: {
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
      }
      default: break;
    }
  }
  if (msg == WM_SETCURSOR && c.model->Style().handCursor) {
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
    return TRUE;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace setupwin
