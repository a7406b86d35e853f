#include "RegScript.h"

#include <cwctype>

namespace vcom {
namespace {

bool EqualNoCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towupper(a[i]) != std::towupper(b[i])) return false;
  }
  return true;
}

struct Token {
  enum Kind { End, Word, Quoted, Open, Close, Equals } kind = End;
  std::wstring text;
};

class Lexer {
 public:
  explicit Lexer(const std::wstring& s) : s_(s) {}

  bool Next(Token& t, std::wstring& error) {
    while (pos_ < s_.size() && std::iswspace(s_[pos_])) ++pos_;
    t = Token{};
    if (pos_ >= s_.size()) return true;
    wchar_t c = s_[pos_];
    // A brace directly followed by text starts a name such as a GUID.
    bool guidName = c == L'{' && pos_ + 1 < s_.size() && !std::iswspace(s_[pos_ + 1]);
    if (!guidName && (c == L'{' || c == L'}' || c == L'=')) {
      t.kind = c == L'{' ? Token::Open : c == L'}' ? Token::Close : Token::Equals;
      ++pos_;
      return true;
    }
    if (c == L'\'') {
      t.kind = Token::Quoted;
      ++pos_;
      for (;;) {
        if (pos_ >= s_.size()) {
          error = L"unterminated quoted text";
          return false;
        }
        if (s_[pos_] == L'\'') {
          if (pos_ + 1 < s_.size() && s_[pos_ + 1] == L'\'') {
            t.text += L'\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          return true;
        }
        t.text += s_[pos_++];
      }
    }
    t.kind = Token::Word;
    if (guidName) {
      while (pos_ < s_.size() && !std::iswspace(s_[pos_]) && s_[pos_] != L'=') {
        t.text += s_[pos_++];
      }
      return true;
    }
    while (pos_ < s_.size() && !std::iswspace(s_[pos_]) && s_[pos_] != L'{' && s_[pos_] != L'}' &&
           s_[pos_] != L'=' && s_[pos_] != L'\'') {
      t.text += s_[pos_++];
    }
    return true;
  }

 private:
  const std::wstring& s_;
  std::size_t pos_ = 0;
};

class Parser {
 public:
  explicit Parser(const std::wstring& s) : lex_(s) {}

  bool Run(std::vector<ScriptRoot>& out) {
    if (!Advance()) return false;
    while (tok_.kind != Token::End) {
      if (tok_.kind != Token::Word) return Fail(L"expected a root key");
      ScriptRoot root;
      root.root = tok_.text;
      if (!IsRoot(root.root)) return Fail(L"unknown root key " + root.root);
      if (!Advance() || !Expect(Token::Open)) return false;
      if (!Body(root.keys, nullptr)) return false;
      out.push_back(std::move(root));
    }
    return true;
  }

  std::wstring error;

 private:
  static bool IsRoot(const std::wstring& r) {
    for (const wchar_t* n : {L"HKCR", L"HKEY_CLASSES_ROOT", L"HKCU", L"HKEY_CURRENT_USER", L"HKLM",
                             L"HKEY_LOCAL_MACHINE"}) {
      if (EqualNoCase(r, n)) return true;
    }
    return false;
  }

  bool Fail(const std::wstring& what) {
    if (error.empty()) error = what;
    return false;
  }
  bool Advance() { return lex_.Next(tok_, error); }
  bool Expect(Token::Kind k) {
    if (tok_.kind != k) return Fail(L"unexpected token '" + tok_.text + L"'");
    return Advance();
  }
  bool IsName() const { return tok_.kind == Token::Word || tok_.kind == Token::Quoted; }

  // "= s 'text'" after a key or value name.
  bool StringAssignment(std::wstring& text) {
    if (!Expect(Token::Equals)) return false;
    if (tok_.kind != Token::Word || !EqualNoCase(tok_.text, L"s")) {
      return Fail(L"only string values (s) are supported");
    }
    if (!Advance()) return false;
    if (!IsName()) return Fail(L"expected a text");
    text = tok_.text;
    return Advance();
  }

  // Keys and values up to the closing brace (which is consumed).
  bool Body(std::vector<ScriptKey>& keys, std::vector<NamedValue>* values) {
    for (;;) {
      if (tok_.kind == Token::Close) return Advance();
      if (tok_.kind == Token::End) return Fail(L"missing closing brace");
      if (!IsName()) return Fail(L"expected a key name");
      if (tok_.kind == Token::Word && EqualNoCase(tok_.text, L"val")) {
        if (values == nullptr) return Fail(L"a value directly under a root key");
        if (!Advance()) return false;
        if (!IsName()) return Fail(L"expected a value name");
        NamedValue v;
        v.name = tok_.text;
        if (!Advance() || !StringAssignment(v.text)) return false;
        values->push_back(std::move(v));
        continue;
      }
      ScriptKey key;
      if (tok_.kind == Token::Word && EqualNoCase(tok_.text, L"NoRemove")) {
        key.rule = KeyRule::NoRemove;
        if (!Advance()) return false;
      } else if (tok_.kind == Token::Word && EqualNoCase(tok_.text, L"ForceRemove")) {
        key.rule = KeyRule::Replaced;
        if (!Advance()) return false;
      }
      if (!IsName()) return Fail(L"expected a key name");
      key.name = tok_.text;
      if (!Advance()) return false;
      if (tok_.kind == Token::Equals) {
        std::wstring text;
        if (!StringAssignment(text)) return false;
        key.defaultText = std::move(text);
      }
      if (tok_.kind == Token::Open) {
        if (!Advance() || !Body(key.subkeys, &key.values)) return false;
      }
      keys.push_back(std::move(key));
    }
  }

  Lexer lex_;
  Token tok_;
};

}  // namespace

bool ExpandPlaceholders(const std::wstring& script, const std::vector<Placeholder>& values,
                        std::wstring& out, std::wstring& error) {
  out.clear();
  std::size_t i = 0;
  while (i < script.size()) {
    wchar_t c = script[i];
    if (c != L'%') {
      out += c;
      ++i;
      continue;
    }
    std::size_t end = script.find(L'%', i + 1);
    if (end == std::wstring::npos) {
      error = L"unterminated placeholder";
      return false;
    }
    std::wstring name = script.substr(i + 1, end - i - 1);
    i = end + 1;
    if (name.empty()) {
      out += L'%';
      continue;
    }
    const Placeholder* found = nullptr;
    for (const auto& p : values) {
      if (EqualNoCase(p.name, name)) found = &p;
    }
    if (found == nullptr) {
      error = L"unknown placeholder %" + name + L"%";
      return false;
    }
    for (wchar_t v : found->value) {
      out += v;
      if (v == L'\'') out += L'\'';
    }
  }
  return true;
}

bool ParseScript(const std::wstring& script, std::vector<ScriptRoot>& out, std::wstring& error) {
  out.clear();
  Parser p(script);
  bool ok = p.Run(out);
  if (!ok) error = p.error;
  return ok;
}

}  // namespace vcom
