#include "Screenshot.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

bool SaveWindowBmp(HWND hwnd, const std::wstring& path) {
  RECT rc{};
  if (!GetWindowRect(hwnd, &rc)) return false;
  const int w = rc.right - rc.left;
  const int h = rc.bottom - rc.top;
  if (w <= 0 || h <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;  // bottom-up, as BMP files store rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (bmp != nullptr && mem != nullptr) {
    HGDIOBJ old = SelectObject(mem, bmp);
    ok = BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(mem, old);
  }
  if (ok) {
    const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    const DWORD image = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + image;
    std::unique_ptr<FILE, FileCloser> f(_wfopen(path.c_str(), L"wb"));
    ok = f && std::fwrite(&fh, sizeof(fh), 1, f.get()) == 1 &&
         std::fwrite(&bi.bmiHeader, sizeof(bi.bmiHeader), 1, f.get()) == 1 &&
         std::fwrite(bits, image, 1, f.get()) == 1;
  }
  if (bmp != nullptr) DeleteObject(bmp);
  if (mem != nullptr) DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}
