#pragma once
// The dialog's banner: a JPEG picture loaded through the system's picture
// service, or, when there is none or it cannot be read, a banner of our own
// drawing.
#include <ocidl.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "ComPtr.h"

namespace setupwin {

class Banner {
 public:
  // Takes the picture bytes; anything that is not a readable JPEG image
  // leaves the built-in banner in place. Returns whether a picture loaded.
  bool Load(const std::vector<std::uint8_t>& bytes);
  bool HasPicture() const { return static_cast<bool>(picture_); }
  // Paints the banner stretched over `rc`.
  void Paint(HDC dc, const RECT& rc) const;

 private:
  ComPtr<IPicture> picture_;
};

// Our own banner: a blue-to-teal band with the product's name.
void PaintBuiltInBanner(HDC dc, const RECT& rc);

}  // namespace setupwin
