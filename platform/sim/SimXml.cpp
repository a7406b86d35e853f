#include "SimXml.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <memory>
#include <string>

namespace sim {
namespace {

struct DocFree {
  void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
struct BufferFree {
  void operator()(xmlBuffer* b) const { xmlBufferFree(b); }
};

const xmlChar* X(const std::string& s) {
  return reinterpret_cast<const xmlChar*>(s.c_str());
}

class SimXmlDocument : public plat::XmlDocument {
 public:
  SimXmlDocument(SimCodePage& cp, xmlDoc* doc) : cp_(cp), doc_(doc) {}

  plat::XmlElement Root() override {
    return reinterpret_cast<plat::XmlElement>(xmlDocGetRootElement(doc_.get()));
  }

  plat::XmlElement FindChild(plat::XmlElement parent, std::u16string_view name) override {
    std::string n = Utf8(name);
    for (xmlNode* c = Node(parent)->children; c != nullptr; c = c->next) {
      if (c->type == XML_ELEMENT_NODE && xmlStrEqual(c->name, X(n)))
        return reinterpret_cast<plat::XmlElement>(c);
    }
    return 0;
  }

  plat::XmlElement AppendChild(plat::XmlElement parent, std::u16string_view name) override {
    xmlNode* c = xmlNewDocNode(doc_.get(), nullptr, X(Utf8(name)), nullptr);
    if (c == nullptr) throw plat::XmlError("cannot create element");
    xmlAddChild(Node(parent), c);
    return reinterpret_cast<plat::XmlElement>(c);
  }

  std::optional<std::u16string> TextOf(plat::XmlElement e) override {
    xmlNode* n = Node(e);
    if (n->children == nullptr) return std::u16string();
    xmlNode* only = n->children;
    if (only->next != nullptr ||
        (only->type != XML_TEXT_NODE && only->type != XML_CDATA_SECTION_NODE))
      return std::nullopt;
    const char* s = only->content ? reinterpret_cast<const char*>(only->content) : "";
    return cp_.ToUtf16(plat::kCpUtf8, s).value_or(std::u16string());
  }

  std::u16string SerializeNodes() override {
    std::unique_ptr<xmlBuffer, BufferFree> buf(xmlBufferCreate());
    xmlSaveCtxt* ctx = xmlSaveToBuffer(buf.get(), "UTF-8", XML_SAVE_NO_DECL | XML_SAVE_FORMAT);
    if (ctx == nullptr) throw plat::XmlError("cannot serialize the document");
    for (xmlNode* c = doc_->children; c != nullptr; c = c->next) xmlSaveTree(ctx, c);
    xmlSaveClose(ctx);
    std::string utf8(reinterpret_cast<const char*>(xmlBufferContent(buf.get())),
                     static_cast<std::size_t>(xmlBufferLength(buf.get())));
    return cp_.ToUtf16(plat::kCpUtf8, utf8).value_or(std::u16string());
  }

 private:
  static xmlNode* Node(plat::XmlElement e) { return reinterpret_cast<xmlNode*>(e); }
  std::string Utf8(std::u16string_view s) {
    return cp_.FromUtf16(plat::kCpUtf8, s).value_or(std::string());
  }

  SimCodePage& cp_;
  std::unique_ptr<xmlDoc, DocFree> doc_;
};

}  // namespace

std::unique_ptr<plat::XmlDocument> SimXmlParser::ParseText(std::u16string_view text) {
  auto utf8 = cp_.FromUtf16(plat::kCpUtf8, text);
  if (!utf8) throw plat::XmlError("the text is not valid UTF-16");
  xmlResetLastError();
  xmlDoc* doc = xmlReadMemory(utf8->data(), static_cast<int>(utf8->size()), nullptr, "UTF-8",
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (doc == nullptr || xmlDocGetRootElement(doc) == nullptr) {
    if (doc != nullptr) xmlFreeDoc(doc);
    const xmlError* err = xmlGetLastError();
    std::string msg = err && err->message ? err->message : "the document is empty";
    while (!msg.empty() && (msg.back() == '\n' || msg.back() == ' ')) msg.pop_back();
    if (err != nullptr && err->line > 0) msg += " (line " + std::to_string(err->line) + ")";
    throw plat::XmlError(msg);
  }
  return std::make_unique<SimXmlDocument>(cp_, doc);
}

}  // namespace sim
