#pragma once
// Code-page port: conversion between UTF-16 and 8-bit text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // The thread's ANSI code page (thread code page, else the thread locale's
  // default ANSI code page, else the system ANSI code page).
  virtual std::uint32_t ThreadAnsiCodePage() = 0;
  // UTF-16 -> 8-bit; characters the code page cannot represent become its
  // default character. nullopt when the code page is unknown.
  virtual std::optional<std::string> FromUtf16(std::uint32_t cp, std::u16string_view text) = 0;
  // 8-bit -> UTF-16; nullopt when the bytes are not valid in the code page.
  virtual std::optional<std::u16string> ToUtf16(std::uint32_t cp, std::string_view text) = 0;
  // True when `b` opens a two-byte character in the (double-byte) code page.
  virtual bool IsLeadByte(std::uint32_t cp, unsigned char b) = 0;
};

inline constexpr std::uint32_t kCpUtf8 = 65001;

}  // namespace plat
