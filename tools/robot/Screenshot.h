#pragma once
// Saves what a window shows on the screen as a 24-bit BMP file.
#include <windows.h>

#include <string>

bool SaveWindowBmp(HWND hwnd, const std::wstring& path);
