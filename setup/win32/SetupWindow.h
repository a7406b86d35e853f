#pragma once
// TSetupFrm realised as real windows: a top-level window of class
// "TSetupFrm" and one child window per component of the form model. Flat
// buttons are owner-drawn and painted by TLPButton, the flat edit is a
// subclassed edit whose frame TLPEdit draws; every change made to the model
// is mirrored into the windows.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Banner.h"
#include "FormModel.h"
#include "GdiHandles.h"
#include "LPButton.h"
#include "LPEdit.h"

namespace setupwin {

class SetupWindow : public setup::FormObserver {
 public:
  explicit SetupWindow(setup::Form& form);
  SetupWindow(const SetupWindow&) = delete;
  SetupWindow& operator=(const SetupWindow&) = delete;
  ~SetupWindow() override;

  // Creates the windows, centred on the desktop, hidden. False on failure.
  bool Create(HINSTANCE instance);
  HWND Hwnd() const { return hwnd_; }

  // Called with the component's name when a button or the link is clicked.
  std::function<void(const std::string&)> onClick;
  // Called once the dialog has been destroyed.
  std::function<void()> onDestroyed;

  void Changed(setup::Component* c, setup::Prop what) override;

  // For the message loop: dialog keyboard handling (Tab, Enter, Esc).
  bool PreTranslate(MSG& msg) const;

 private:
  struct Control;

  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                      DWORD_PTR data);
  LRESULT HandleFrame(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleControl(Control& c, UINT msg, WPARAM wp, LPARAM lp);

  void CreateControl(Control& c);
  void ApplyFont(Control& c);
  void ApplyBounds(Control& c);
  void ApplyCaption(Control& c);
  void FocusMovedTo(HWND focused);
  void DrawItem(const DRAWITEMSTRUCT& dis);
  Control* ByHwnd(HWND hwnd) const;
  Control* ById(int id) const;
  POINT Origin(const setup::Component* parent) const;

  setup::Form& form_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  FontHandle form_font_;
  Brush face_brush_;
  Banner banner_;
};

// Resolves a model colour (an RGB value or a system colour) to RGB.
COLORREF Resolve(setup::Color c);

}  // namespace setupwin
