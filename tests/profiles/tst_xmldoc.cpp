// The XML document layer: the writer's exact form, what the reader accepts
// and refuses, and where it says the trouble is.
#include <QtTest>

#include "link/codepage.h"
#include "profiles/xmldoc.h"

using gx::xml::Document;
using gx::xml::Element;
using gx::xml::ParseError;

class TstXmlDoc : public QObject {
  Q_OBJECT
 private slots:
  void writerForm();
  void writerEscapes_data();
  void writerEscapes();
  void eightBitTextRoundTrips();
  void readerAccepts_data();
  void readerAccepts();
  void readerRefuses_data();
  void readerRefuses();
  void childLookupIgnoresLetterCase();
  void elementLinesCountEveryLineEnd();
};

void TstXmlDoc::writerForm() {
  Document doc;
  doc.root.name = "MyRoot";
  Element& s = doc.root.add("systeminf");
  s.add("1-1-password", "1234");
  s.add("1-2-DeviceId", "");
  s.add("xml_cbb6", "-1");
  const QByteArray want =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
      "<MyRoot>\r\n"
      "    <systeminf>\r\n"
      "        <1-1-password>1234</1-1-password>\r\n"
      "        <1-2-DeviceId/>\r\n"
      "        <xml_cbb6>-1</xml_cbb6>\r\n"
      "    </systeminf>\r\n"
      "</MyRoot>\r\n";
  QCOMPARE(gx::xml::write(doc), want);
}

void TstXmlDoc::writerEscapes_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QByteArray>("written");
  QTest::addColumn<QByteArray>("readBack");
  QTest::newRow("markup") << QByteArray("<a href=\"x\">&'</a>")
                          << QByteArray("&lt;a href=&quot;x&quot;&gt;&amp;&apos;&lt;/a&gt;")
                          << QByteArray("<a href=\"x\">&'</a>");
  QTest::newRow("crlf") << QByteArray("one\r\ntwo") << QByteArray("one\ntwo") << QByteArray("one\ntwo");
  QTest::newRow("lone cr") << QByteArray("one\rtwo\r") << QByteArray("one\ntwo\n") << QByteArray("one\ntwo\n");
  QTest::newRow("blanks kept") << QByteArray("  x  ") << QByteArray("  x  ") << QByteArray("  x  ");
  QTest::newRow("entity text") << QByteArray("&amp;") << QByteArray("&amp;amp;") << QByteArray("&amp;");
}

void TstXmlDoc::writerEscapes() {
  QFETCH(QByteArray, text);
  QFETCH(QByteArray, written);
  QFETCH(QByteArray, readBack);
  Document doc;
  doc.root.name = "r";
  doc.root.add("k", text);
  const QByteArray bytes = gx::xml::write(doc);
  QVERIFY2(bytes.contains("    <k>" + written + "</k>\r\n"), bytes.constData());
  ParseError err;
  const auto back = gx::xml::parse(bytes, &err);
  QVERIFY2(back, qPrintable(err.reason));
  QCOMPARE(back->root.child("k")->text, readBack);
}

void TstXmlDoc::eightBitTextRoundTrips() {
  // Every byte a text can hold passes through unchanged, whatever the declaration says.
  QByteArray all;
  for (int b = 0x20; b <= 0xFF; ++b) all += char(b);
  all += '\t';
  all += gx::codepage::fromUnicode(QStringLiteral("温度报警"));
  Document doc;
  doc.root.name = "MyRoot";
  doc.root.add("systeminf").add("1-8-DeviceName", all);
  const auto back = gx::xml::parse(gx::xml::write(doc));
  QVERIFY(back);
  QCOMPARE(back->root.firstChild()->child("1-8-DeviceName")->text, all);
}

void TstXmlDoc::readerAccepts_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QByteArray>("key");
  QTest::addColumn<QByteArray>("text");
  const QByteArray gbkZhong = gx::codepage::fromUnicode(QStringLiteral("中"));
  QTest::newRow("plain, LF only")
      << QByteArray("<?xml version=\"1.0\"?>\n<MyRoot>\n<s>\n<1-2-DeviceId>7</1-2-DeviceId>\n</s>\n</MyRoot>\n")
      << QByteArray("1-2-DeviceId") << QByteArray("7");
  QTest::newRow("no declaration, one line")
      << QByteArray("<MyRoot><s><a>x</a></s></MyRoot>") << QByteArray("a") << QByteArray("x");
  QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?><r><s><a>x</a></s></r>")
                                   << QByteArray("a") << QByteArray("x");
  QTest::newRow("comments, PI, doctype") << QByteArray(
                                                "<?xml version=\"1.0\"?><!-- saved --><!DOCTYPE r><?pi x?><r><s><!-- c "
                                                "--><a>x<!-- y -->z</a><?p?></s></r><!-- end -->\r\n")
                                         << QByteArray("a") << QByteArray("xz");
  QTest::newRow("doctype with subset") << QByteArray("<!DOCTYPE r [ <!ELEMENT r ANY> ]><r><s><a>x</a></s></r>")
                                       << QByteArray("a") << QByteArray("x");
  QTest::newRow("attributes ignored") << QByteArray("<r v='1'><s a=\"b\" c = 'd'><a id=\"9\">x</a></s></r>")
                                      << QByteArray("a") << QByteArray("x");
  QTest::newRow("cdata") << QByteArray("<r><s><a><![CDATA[<&>]]>!</a></s></r>") << QByteArray("a")
                         << QByteArray("<&>!");
  QTest::newRow("character references") << QByteArray("<r><s><a>&#65;&#x42;&#20013;</a></s></r>") << QByteArray("a")
                                        << QByteArray("AB") + gbkZhong;
  QTest::newRow("blank in end tag") << QByteArray("<r><s><a>x</a  ></s></r>") << QByteArray("a") << QByteArray("x");
  QTest::newRow("empty element forms") << QByteArray("<r><s><a></a><b/><c /></s></r>") << QByteArray("c")
                                       << QByteArray();
}

void TstXmlDoc::readerAccepts() {
  QFETCH(QByteArray, file);
  QFETCH(QByteArray, key);
  QFETCH(QByteArray, text);
  ParseError err;
  const auto doc = gx::xml::parse(file, &err);
  QVERIFY2(doc, qPrintable(QStringLiteral("line %1: %2").arg(err.line).arg(err.reason)));
  const Element* settings = doc->root.firstChild();
  QVERIFY(settings);
  const Element* e = settings->child(key);
  QVERIFY(e);
  QCOMPARE(e->text, text);
}

void TstXmlDoc::readerRefuses_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<int>("line");
  QTest::addColumn<QByteArray>("element");
  QTest::addColumn<QString>("reason");
  const QByteArray head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<MyRoot>\r\n    <systeminf>\r\n";
  QTest::newRow("empty") << QByteArray() << 1 << QByteArray() << "empty";
  QTest::newRow("not xml") << QByteArray("hello\r\n") << 1 << QByteArray() << "not an XML file";
  QTest::newRow("only a declaration") << QByteArray("<?xml version=\"1.0\"?>\r\n") << 2 << QByteArray()
                                      << "no root element";
  QTest::newRow("end tag of other case") << head + "        <1-2-DeviceId>7</1-2-deviceid>\r\n"
                                         << 4 << QByteArray("1-2-DeviceId") << "does not match";
  QTest::newRow("bare ampersand") << head + "        <a>1</a>\r\n        <1-8-DeviceName>R & D</1-8-DeviceName>\r\n"
                                  << 5 << QByteArray("1-8-DeviceName") << "&amp;";
  QTest::newRow("unknown entity") << head + "        <a>&nbsp;</a>\r\n" << 4 << QByteArray("a") << "&nbsp;";
  QTest::newRow("bad character reference") << head + "        <a>&#0;</a>\r\n" << 4 << QByteArray("a") << "&#0;";
  QTest::newRow("file cut short") << head + "        <a>1</a>\r\n"
                                  << 5 << QByteArray("systeminf") << "ends inside <systeminf>";
  QTest::newRow("unclosed start tag") << head + "        <a\r\n" << 5 << QByteArray("a") << "not closed";
  QTest::newRow("two roots") << QByteArray("<r/>\r\n<r/>") << 2 << QByteArray() << "after the end of the root";
  QTest::newRow("text after root") << QByteArray("<r></r>x") << 1 << QByteArray() << "after the end of the root";
  QTest::newRow("stray less-than") << head + "        <a>1 < 2</a>\r\n" << 4 << QByteArray("a") << "stray";
  QTest::newRow("unclosed comment") << head + "<!-- \r\n" << 4 << QByteArray("systeminf") << "comment";
  QTest::newRow("duplicate attribute") << QByteArray("<r a='1' a='2'/>") << 1 << QByteArray("r") << "twice";
  QTest::newRow("nested too deep") << QByteArray("<r>") + QByteArray("<a>").repeated(100) << 1 << QByteArray("a")
                                   << "too deeply";
  QByteArray nul = head + "        <1-2-DeviceId>12";
  nul += '\0';
  nul += "3</1-2-DeviceId>\r\n    </systeminf>\r\n</MyRoot>\r\n";
  QTest::newRow("binary inside a key") << nul << 4 << QByteArray("1-2-DeviceId") << "binary data (byte 0x00)";
  QTest::newRow("binary header") << QByteArray("\x89PNG\r\n\x1A\n") << 1 << QByteArray() << "not an XML file";
  QTest::newRow("binary after the end") << QByteArray("<r/>\r\n\r\n\x01") << 3 << QByteArray()
                                        << "binary data (byte 0x01)";
}

void TstXmlDoc::readerRefuses() {
  QFETCH(QByteArray, file);
  QFETCH(int, line);
  QFETCH(QByteArray, element);
  QFETCH(QString, reason);
  ParseError err;
  QVERIFY(!gx::xml::parse(file, &err));
  QVERIFY2(err.reason.contains(reason), qPrintable(err.reason));
  QCOMPARE(err.line, line);
  QCOMPARE(err.element, element);
}

void TstXmlDoc::childLookupIgnoresLetterCase() {
  const auto doc = gx::xml::parse("<r><s><Rest_1_SMSP>first</Rest_1_SMSP><rest_1_smsp>second</rest_1_smsp></s></r>");
  QVERIFY(doc);
  const Element* s = doc->root.firstChild();
  QCOMPARE(s->child("REST_1_SMSP")->text, QByteArray("first"));  // the first of equal names
  QCOMPARE(s->child("rest_1_smsp")->text, QByteArray("first"));
  QVERIFY(!s->child("rest_1_smspc"));
  // Letter case folding is ASCII only: 8-bit bytes of a name compare exactly.
  const auto gbk = gx::xml::parse("<r><s><\xC1\xAA>x</\xC1\xAA></s></r>");
  QVERIFY(gbk);
  QVERIFY(gbk->root.firstChild()->child("\xC1\xAA"));
  QVERIFY(!gbk->root.firstChild()->child("\xE1\xAA"));
}

void TstXmlDoc::elementLinesCountEveryLineEnd() {
  const auto doc = gx::xml::parse("<r>\r\n<s>\r<a/>\n\r\n<b/></s></r>");
  QVERIFY(doc);
  const Element* s = doc->root.firstChild();
  QCOMPARE(doc->root.line, 1);
  QCOMPARE(s->line, 2);
  QCOMPARE(s->child("a")->line, 3);
  QCOMPARE(s->child("b")->line, 5);
}

QTEST_GUILESS_MAIN(TstXmlDoc)
#include "tst_xmldoc.moc"
