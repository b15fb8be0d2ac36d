#include "profiles/xmldoc.h"

#include <cstring>

#include "link/codepage.h"

namespace gx::xml {

namespace {

constexpr int kMaxDepth = 64;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Bytes that can never be in a text file of ours.
bool isControl(uchar c) { return c < 0x20 && c != '\t' && c != '\r' && c != '\n'; }

// Names are taken loosely: anything up to a blank or a markup character, so
// "1-1-password" and 8-bit names pass.
bool isNameByte(uchar c) { return c > 0x20 && c != 0x7F && !std::strchr("<>/=?!\"'&;", c); }

uchar asciiLower(uchar c) { return c >= 'A' && c <= 'Z' ? uchar(c + 32) : c; }

bool sameNameIgnoringCase(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (asciiLower(uchar(a[i])) != asciiLower(uchar(b[i]))) return false;
  return true;
}

void writeElement(QByteArray& out, const Element& e, int level) {
  const QByteArray indent(level * 4, ' ');
  out += indent;
  out += '<';
  out += e.name;
  if (!e.children.empty()) {
    out += ">\r\n";
    for (const Element& c : e.children) writeElement(out, c, level + 1);
    out += indent + "</" + e.name + ">\r\n";
  } else if (e.text.isEmpty()) {
    out += "/>\r\n";
  } else {
    out += '>' + escapeText(e.text) + "</" + e.name + ">\r\n";
  }
}

class Parser {
 public:
  explicit Parser(const QByteArray& bytes) : s_(bytes), end_(bytes.size()) {}

  std::optional<Document> run(ParseError* error) {
    // Binary data is found before parsing; the parse then stops there, so
    // the message can still name the element that holds it.
    qsizetype bad = -1;
    for (qsizetype i = 0; i < s_.size(); ++i)
      if (isControl(uchar(s_[i]))) {
        bad = i;
        break;
      }
    if (bad >= 0) end_ = bad;

    Document doc;
    const bool ok = document(doc);
    if (bad >= 0 && (ok || failAt_ >= bad)) {
      Parser counter(s_);
      counter.advance(bad);
      err_.line = counter.line_;
      err_.reason = QStringLiteral("binary data (byte 0x%1), not a text file")
                        .arg(QString::asprintf("%02X", unsigned(uchar(s_[bad]))));
      if (ok) err_.element.clear();
      if (error) *error = err_;
      return std::nullopt;
    }
    if (!ok) {
      if (error) *error = err_;
      return std::nullopt;
    }
    return doc;
  }

 private:
  [[nodiscard]] bool atEnd() const { return p_ >= end_; }
  [[nodiscard]] char peek(qsizetype k = 0) const { return p_ + k < end_ ? s_[p_ + k] : '\0'; }
  [[nodiscard]] bool startsWith(const char* lit) const {
    const qsizetype n = qsizetype(std::strlen(lit));
    return p_ + n <= end_ && std::memcmp(s_.constData() + p_, lit, size_t(n)) == 0;
  }
  [[nodiscard]] qsizetype find(const char* lit) const {
    const qsizetype at = QByteArrayView(s_).first(end_).indexOf(QByteArrayView(lit), p_);
    return at;
  }

  // Moves on n bytes, counting lines (LF, CR LF or a lone CR end a line).
  void advance(qsizetype n) {
    for (; n > 0 && p_ < s_.size(); --n, ++p_) {
      const char c = s_[p_];
      if (c == '\n' || (c == '\r' && (p_ + 1 >= s_.size() || s_[p_ + 1] != '\n'))) ++line_;
    }
  }

  bool fail(const QString& reason) {
    if (!failed_) {
      failed_ = true;
      failAt_ = p_;
      err_.line = line_;
      err_.element = open_.empty() ? QByteArray() : open_.back();
      err_.reason = reason;
    }
    return false;
  }

  bool skipBlanks() {
    const qsizetype from = p_;
    while (!atEnd() && isBlank(peek())) advance(1);
    return p_ > from;
  }

  QByteArray name() {
    const qsizetype from = p_;
    while (!atEnd() && isNameByte(uchar(peek()))) advance(1);
    return s_.mid(from, p_ - from);
  }

  bool skipPast(const char* terminator, const QString& what) {
    const qsizetype at = find(terminator);
    if (at < 0) return fail(QStringLiteral("%1 is not closed").arg(what));
    advance(at + qsizetype(std::strlen(terminator)) - p_);
    return true;
  }

  // Comments, processing instructions and a DOCTYPE outside the root.
  bool misc(bool beforeRoot) {
    for (;;) {
      skipBlanks();
      if (startsWith("<!--")) {
        if (!skipPast("-->", QStringLiteral("a comment"))) return false;
      } else if (startsWith("<?")) {
        if (!skipPast("?>", QStringLiteral("a processing instruction"))) return false;
      } else if (beforeRoot && startsWith("<!DOCTYPE")) {
        const qsizetype close = find(">"), bracket = find("[");
        if (close < 0) return fail(QStringLiteral("the DOCTYPE is not closed"));
        if (bracket >= 0 && bracket < close) {
          if (!skipPast("]", QStringLiteral("the DOCTYPE"))) return false;
          skipBlanks();
          if (peek() != '>') return fail(QStringLiteral("'>' expected after the DOCTYPE"));
          advance(1);
        } else {
          advance(close + 1 - p_);
        }
      } else {
        return true;
      }
    }
  }

  bool document(Document& doc) {
    if (s_.isEmpty()) return fail(QStringLiteral("the file is empty"));
    if (startsWith("\xEF\xBB\xBF")) advance(3);
    if (startsWith("<?xml") && (isBlank(peek(5)) || peek(5) == '?')) {
      if (!skipPast("?>", QStringLiteral("the XML declaration"))) return false;
    }
    if (!misc(true)) return false;
    if (atEnd()) return fail(QStringLiteral("there is no root element"));
    if (peek() != '<' || !isNameByte(uchar(peek(1))))
      return fail(QStringLiteral("this is not an XML file: unexpected text before the root element"));
    if (!element(doc.root, 0)) return false;
    if (!misc(false)) return false;
    if (!atEnd()) return fail(QStringLiteral("unexpected content after the end of the root element"));
    return true;
  }

  bool element(Element& e, int depth) {
    if (depth > kMaxDepth) return fail(QStringLiteral("elements are nested too deeply"));
    e.line = line_;
    advance(1);  // '<'
    e.name = name();
    if (e.name.isEmpty()) return fail(QStringLiteral("an element name is missing after '<'"));
    open_.push_back(e.name);
    std::vector<QByteArray> attributes;
    for (;;) {
      const bool blank = skipBlanks();
      if (atEnd()) return fail(QStringLiteral("the start tag <%1> is not closed").arg(QString::fromLatin1(e.name)));
      if (startsWith("/>")) {
        advance(2);
        open_.pop_back();
        return true;
      }
      if (peek() == '>') {
        advance(1);
        break;
      }
      const QByteArray attr = blank ? name() : QByteArray();
      if (attr.isEmpty())
        return fail(QStringLiteral("unexpected character '%1' in the start tag").arg(QChar::fromLatin1(peek())));
      for (const QByteArray& a : attributes)
        if (a == attr) return fail(QStringLiteral("the attribute %1 is given twice").arg(QString::fromLatin1(attr)));
      attributes.push_back(attr);
      skipBlanks();
      if (peek() != '=')
        return fail(QStringLiteral("'=' expected after the attribute %1").arg(QString::fromLatin1(attr)));
      advance(1);
      skipBlanks();
      const char quote = peek();
      if (quote != '"' && quote != '\'') return fail(QStringLiteral("a quoted attribute value is expected"));
      advance(1);
      while (!atEnd() && peek() != quote) {
        if (peek() == '<') return fail(QStringLiteral("'<' inside an attribute value"));
        advance(1);
      }
      if (atEnd()) return fail(QStringLiteral("an attribute value is not closed"));
      advance(1);
    }
    return content(e, depth);
  }

  bool content(Element& e, int depth) {
    for (;;) {
      if (atEnd())
        return fail(
            QStringLiteral("the file ends inside <%1> opened on line %2").arg(QString::fromLatin1(e.name)).arg(e.line));
      const char c = peek();
      if (c == '<') {
        if (startsWith("</")) {
          advance(2);
          const QByteArray closing = name();
          skipBlanks();
          if (peek() != '>')
            return fail(QStringLiteral("'>' expected to end the tag </%1>").arg(QString::fromLatin1(closing)));
          if (closing != e.name)
            return fail(QStringLiteral("the end tag </%1> does not match <%2> opened on line %3")
                            .arg(QString::fromLatin1(closing), QString::fromLatin1(e.name))
                            .arg(e.line));
          advance(1);
          open_.pop_back();
          return true;
        }
        if (startsWith("<!--")) {
          if (!skipPast("-->", QStringLiteral("a comment"))) return false;
        } else if (startsWith("<![CDATA[")) {
          advance(9);
          const qsizetype close = find("]]>");
          if (close < 0) return fail(QStringLiteral("a CDATA section is not closed"));
          appendText(e.text, close);
          advance(3);
        } else if (startsWith("<?")) {
          if (!skipPast("?>", QStringLiteral("a processing instruction"))) return false;
        } else if (isNameByte(uchar(peek(1)))) {
          e.children.emplace_back();
          if (!element(e.children.back(), depth + 1)) return false;
        } else {
          return fail(QStringLiteral("a stray '<' in the text"));
        }
      } else if (c == '&') {
        if (!reference(e.text)) return false;
      } else {
        qsizetype stop = p_;
        while (stop < end_ && s_[stop] != '<' && s_[stop] != '&') ++stop;
        appendText(e.text, stop);
      }
    }
  }

  // Text up to index stop, with CR LF and lone CR turned into LF.
  void appendText(QByteArray& text, qsizetype stop) {
    while (p_ < stop) {
      const char c = s_[p_];
      if (c == '\r') {
        if (p_ + 1 >= stop || s_[p_ + 1] != '\n') text += '\n';
      } else {
        text += c;
      }
      advance(1);
    }
  }

  bool reference(QByteArray& text) {
    const qsizetype semi = find(";");
    if (semi < 0 || semi - p_ > 12) return fail(QStringLiteral("a bare '&' in the text (write &amp;)"));
    const QByteArray ref = s_.mid(p_ + 1, semi - p_ - 1);
    static const struct {
      const char* name;
      char ch;
    } kNamed[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
    for (const auto& n : kNamed)
      if (ref == n.name) {
        text += n.ch;
        advance(semi + 1 - p_);
        return true;
      }
    if (ref.startsWith('#')) {
      bool ok = false;
      const uint cp = ref.startsWith("#x") ? ref.mid(2).toUInt(&ok, 16) : ref.mid(1).toUInt(&ok, 10);
      const bool valid = ok && (cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
                                (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF));
      if (!valid)
        return fail(QStringLiteral("the character reference &%1; is not valid").arg(QString::fromLatin1(ref)));
      if (cp < 0x80) {
        text += char(cp);
      } else {
        const char32_t c32 = cp;
        text += codepage::fromUnicode(QString::fromUcs4(&c32, 1));
      }
      advance(semi + 1 - p_);
      return true;
    }
    return fail(QStringLiteral("the entity &%1; is unknown").arg(QString::fromLatin1(ref)));
  }

  const QByteArray& s_;
  qsizetype end_;
  qsizetype p_ = 0;
  int line_ = 1;
  std::vector<QByteArray> open_;
  bool failed_ = false;
  qsizetype failAt_ = 0;
  ParseError err_;
};

}  // namespace

Element& Element::add(const QByteArray& childName, const QByteArray& childText) {
  children.push_back(Element{childName, childText, {}, 0});
  return children.back();
}

const Element* Element::child(QByteArrayView childName) const {
  for (const Element& c : children)
    if (sameNameIgnoringCase(c.name, childName)) return &c;
  return nullptr;
}

QByteArray escapeText(const QByteArray& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '"':
        out += "&quot;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '\'':
        out += "&apos;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\r':
        if (i + 1 >= text.size() || text[i + 1] != '\n') out += '\n';
        break;
      default:
        out += c;
    }
  }
  return out;
}

QByteArray write(const Document& doc) {
  QByteArray out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
  writeElement(out, doc.root, 0);
  return out;
}

std::optional<Document> parse(const QByteArray& bytes, ParseError* error) { return Parser(bytes).run(error); }

}  // namespace gx::xml
