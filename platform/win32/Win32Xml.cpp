#include "Win32Xml.h"

#include <msxml2.h>
#include <objbase.h>
#include <wrl/client.h>

// MinGW's msxml2.h gives IXMLDOMNode no __uuidof, which ComPtr::As needs.
__CRT_UUID_DECL(IXMLDOMNode, 0x2933bf80, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e,
                0x60)

#include <vector>

#include "Win32Wide.h"

namespace win {
namespace {

using Microsoft::WRL::ComPtr;

// "Msxml2.DOMDocument.3.0", then the version-independent "Msxml2.DOMDocument".
const CLSID kDomDocument30 = {
    0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
const CLSID kDomDocument = {
    0xf6d90f11, 0x9c73, 0x11d3, {0xb3, 0x2e, 0x00, 0xc0, 0x4f, 0x99, 0x0b, 0xb4}};

class UniqueBstr {
 public:
  explicit UniqueBstr(BSTR b = nullptr) : b_(b) {}
  explicit UniqueBstr(std::u16string_view s)
      : b_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s.data()),
                             static_cast<UINT>(s.size()))) {}
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { SysFreeString(b_); }
  BSTR get() const { return b_; }
  BSTR* out() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }
  std::u16string str() const { return b_ ? U(b_, SysStringLen(b_)) : std::u16string(); }

 private:
  BSTR b_;
};

std::string Utf8(std::u16string_view s) {
  if (s.empty()) return {};
  std::wstring w = W(s);
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw plat::XmlError(what);
}

class Win32XmlDocument : public plat::XmlDocument {
 public:
  explicit Win32XmlDocument(ComPtr<IXMLDOMDocument> doc) : doc_(std::move(doc)) {}

  plat::XmlElement Root() override {
    ComPtr<IXMLDOMElement> root;
    if (doc_->get_documentElement(&root) != S_OK || !root) return 0;
    ComPtr<IXMLDOMNode> node;
    Check(root->QueryInterface(IID_IXMLDOMNode, reinterpret_cast<void**>(node.GetAddressOf())),
          "documentElement");
    return Keep(node);
  }

  plat::XmlElement FindChild(plat::XmlElement parent, std::u16string_view name) override {
    ComPtr<IXMLDOMNodeList> list;
    Check(Node(parent)->get_childNodes(&list), "childNodes");
    long n = 0;
    Check(list->get_length(&n), "length");
    for (long i = 0; i < n; ++i) {
      ComPtr<IXMLDOMNode> child;
      if (list->get_item(i, &child) != S_OK || !child) continue;
      DOMNodeType type = NODE_INVALID;
      child->get_nodeType(&type);
      if (type != NODE_ELEMENT) continue;
      UniqueBstr childName;
      child->get_nodeName(childName.out());
      if (childName.str() == name) return Keep(child);
    }
    return 0;
  }

  plat::XmlElement AppendChild(plat::XmlElement parent, std::u16string_view name) override {
    UniqueBstr bname(name);
    ComPtr<IXMLDOMElement> element;
    Check(doc_->createElement(bname.get(), &element), "createElement");
    ComPtr<IXMLDOMNode> asNode, added;
    Check(element->QueryInterface(IID_IXMLDOMNode, reinterpret_cast<void**>(asNode.GetAddressOf())),
          "element");
    Check(Node(parent)->appendChild(asNode.Get(), &added), "appendChild");
    return Keep(added);
  }

  std::optional<std::u16string> TextOf(plat::XmlElement e) override {
    ComPtr<IXMLDOMNodeList> list;
    Check(Node(e)->get_childNodes(&list), "childNodes");
    long n = 0;
    Check(list->get_length(&n), "length");
    if (n == 0) return std::u16string();
    if (n != 1) return std::nullopt;
    ComPtr<IXMLDOMNode> only;
    Check(list->get_item(0, &only), "item");
    DOMNodeType type = NODE_INVALID;
    only->get_nodeType(&type);
    if (type != NODE_TEXT && type != NODE_CDATA_SECTION) return std::nullopt;
    UniqueBstr text;
    Check(only->get_text(text.out()), "text");
    return text.str();
  }

  std::u16string SerializeNodes() override {
    ComPtr<IXMLDOMNodeList> list;
    Check(doc_->get_childNodes(&list), "childNodes");
    long n = 0;
    Check(list->get_length(&n), "length");
    std::u16string out;
    for (long i = 0; i < n; ++i) {
      ComPtr<IXMLDOMNode> child;
      if (list->get_item(i, &child) != S_OK || !child) continue;
      DOMNodeType type = NODE_INVALID;
      child->get_nodeType(&type);
      UniqueBstr name;
      child->get_nodeName(name.out());
      if (type == NODE_PROCESSING_INSTRUCTION && name.str() == u"xml") continue;
      UniqueBstr xml;
      Check(child->get_xml(xml.out()), "xml");
      out += xml.str();
      out += u"\r\n";
    }
    return out;
  }

 private:
  plat::XmlElement Keep(const ComPtr<IXMLDOMNode>& node) {
    nodes_.push_back(node);
    return nodes_.size();
  }
  IXMLDOMNode* Node(plat::XmlElement e) {
    if (e == 0 || e > nodes_.size()) throw plat::XmlError("no such element");
    return nodes_[e - 1].Get();
  }

  ComPtr<IXMLDOMDocument> doc_;
  std::vector<ComPtr<IXMLDOMNode>> nodes_;  // element handle = index + 1
};

}  // namespace

Win32XmlParser::Win32XmlParser() {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comInitialised_ = SUCCEEDED(hr);
}

Win32XmlParser::~Win32XmlParser() {
  if (comInitialised_) CoUninitialize();
}

std::unique_ptr<plat::XmlDocument> Win32XmlParser::ParseText(std::u16string_view text) {
  ComPtr<IXMLDOMDocument> doc;
  HRESULT hr = CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                reinterpret_cast<void**>(doc.GetAddressOf()));
  if (FAILED(hr))
    hr = CoCreateInstance(kDomDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                          reinterpret_cast<void**>(doc.GetAddressOf()));
  if (FAILED(hr)) throw plat::XmlError("MSXML is not available");
  doc->put_async(VARIANT_FALSE);
  doc->put_resolveExternals(VARIANT_FALSE);
  doc->put_validateOnParse(VARIANT_FALSE);
  UniqueBstr markup(text);
  VARIANT_BOOL ok = VARIANT_FALSE;
  hr = doc->loadXML(markup.get(), &ok);
  if (FAILED(hr) || ok != VARIANT_TRUE) {
    ComPtr<IXMLDOMParseError> err;
    std::string msg = "the XML document could not be parsed";
    if (doc->get_parseError(&err) == S_OK && err) {
      UniqueBstr reason;
      long line = 0;
      err->get_reason(reason.out());
      err->get_line(&line);
      std::u16string r = reason.str();
      while (!r.empty() && (r.back() == u'\n' || r.back() == u'\r' || r.back() == u' '))
        r.pop_back();
      if (!r.empty()) msg = Utf8(r);
      if (line > 0) msg += " (line " + std::to_string(line) + ")";
    }
    throw plat::XmlError(msg);
  }
  return std::make_unique<Win32XmlDocument>(std::move(doc));
}

}  // namespace win
