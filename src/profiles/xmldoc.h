#pragma once
// A small XML document layer for the profile files. Element names may begin
// with a digit ("1-1-password"), which general XML readers refuse, and text
// is 8-bit code page 936 passed through byte for byte although the
// declaration says utf-8, so the files are written and parsed here.
//
// The model is deliberately small: a root element, nested child elements,
// each with its text. Attributes, comments, processing instructions, a
// DOCTYPE and CDATA are accepted on reading (attributes and comments are
// dropped); the writer emits none of them.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace gx::xml {

struct Element {
  QByteArray name;
  QByteArray text;  // character data with entities resolved; raw 8-bit bytes
  std::vector<Element> children;
  int line = 0;  // line of the start tag, 1-based; 0 for an element built in memory

  // Appends a child and returns it.
  Element& add(const QByteArray& childName, const QByteArray& childText = {});
  // The first child whose name equals name, ASCII letter case ignored; nullptr if none.
  [[nodiscard]] const Element* child(QByteArrayView childName) const;
  // The first child element, whatever its name; nullptr if none.
  [[nodiscard]] const Element* firstChild() const { return children.empty() ? nullptr : &children.front(); }
};

struct Document {
  Element root;
};

// Where and why a file could not be read.
struct ParseError {
  int line = 0;        // 1-based; 0 when no line applies
  QByteArray element;  // the innermost element open at that point (empty outside the root)
  QString reason;      // English, for the message
};

// Files larger than this are refused unread; a profile is a few kilobytes.
inline constexpr qint64 kMaxDocumentBytes = 1 << 20;

// The writer's form: the declaration `<?xml version="1.0" encoding="utf-8"?>`,
// one element per line indented by four spaces per level, CR LF after every
// line, `<name/>` for an element without text or children, and the five
// markup characters as entities. CR LF or a lone CR inside a text becomes LF.
[[nodiscard]] QByteArray write(const Document& doc);

// Parses a whole file. An XML declaration, a UTF-8 byte-order mark,
// comments, processing instructions and a simple DOCTYPE are skipped. Line
// ends inside texts are normalised to LF as XML prescribes. Control bytes
// other than tab, CR and LF are refused as binary data.
[[nodiscard]] std::optional<Document> parse(const QByteArray& bytes, ParseError* error = nullptr);

// Escapes one text the way the writer does (exposed for tests).
[[nodiscard]] QByteArray escapeText(const QByteArray& text);

}  // namespace gx::xml
