#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>

#include "FileBytes.h"
#include "settings/IniFile.h"

using hb::TIniDocument;
using hb::TIniFile;
using hb::TextEncoding;

namespace {

std::string S(const QByteArray& b) { return std::string(b.constData(), std::size_t(b.size())); }
QByteArray B(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

QString DataFile(const char* name) { return QStringLiteral(HB_TEST_DATA_DIR "/") + name; }

// Writes are given to the tables as "section|key|value" lines.
void ApplyWrites(TIniDocument& doc, const QStringList& writes) {
  for (const QString& w : writes) {
    const QStringList p = w.split('|');
    doc.WriteString(p[0].toStdString(), p[1].toStdString(), p[2].toStdString());
  }
}

std::string Palette(int sections, int version) {
  std::string s;
  for (int i = 0; i < sections; ++i) {
    const std::string v = std::to_string(version);
    s += "[Colour " + std::to_string(i) + "]\r\nR=" + v + "\r\nG=" + v + "\r\nB=" + v + "\r\n";
  }
  return s + "[End]\r\nVersion=" + std::to_string(version) + "\r\n";
}

constexpr int kDefault = -999;

struct HookReset {
  ~HookReset() { hb::SetIniWriteHook(nullptr); }
};

} // namespace

class TestIniFile : public QObject {
  Q_OBJECT
 private slots:
  void integers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    const int d = kDefault;
    for (auto [t, v] : std::initializer_list<std::pair<const char*, int>>{
             {"128", 128}, {"+5", 5}, {"-12", -12}, {"007", 7}, {"0x80", 128}, {"0X80", 128},
             {"$80", 128}, {"$ff", 255}, {"-$10", -16}, {"$FFFFFFFF", -1}, {"0x7fffffff", INT_MAX},
             {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"300", 300},
             {"2147483648", d}, {"$100000000", d}, {"-2147483649", d}, {"128.5", d}, {"abc", d},
             {"", d}, {"$", d}, {"0x", d}, {"- 5", d}, {"12a", d}, {"0x-5", d}, {"1e3", d}})
      QTest::newRow(t[0] ? t : "empty") << QByteArray(t) << v;
  }
  void integers() {
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    const TIniDocument doc(S("[P]\r\nR=" + text + "\r\n"));
    QCOMPARE(doc.ReadInteger("P", "R", kDefault), value);
  }

  // Look-ups as the Windows profile routines do them.
  void reading_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");  // "<none>" when missing
    const QByteArray none("<none>");
    QTest::newRow("case ignored") << QByteArray("[KEEP]\ncount=3\n") << QByteArray("Keep") << QByteArray("COUNT") << QByteArray("3");
    QTest::newRow("blanks trimmed") << QByteArray(" [ Keep ] \r\n\t Count \t=\t 3 \t\r\n") << QByteArray("Keep") << QByteArray("Count") << QByteArray("3");
    QTest::newRow("caller blanks trimmed") << QByteArray("[Keep]\nCount=3\n") << QByteArray(" Keep ") << QByteArray("\tCount") << QByteArray("3");
    QTest::newRow("double quotes") << QByteArray("[a]\nk= \"x y\" \n") << QByteArray("a") << QByteArray("k") << QByteArray("x y");
    QTest::newRow("single quotes") << QByteArray("[a]\nk='x'\n") << QByteArray("a") << QByteArray("k") << QByteArray("x");
    QTest::newRow("unmatched quotes kept") << QByteArray("[a]\nk=\"x'\n") << QByteArray("a") << QByteArray("k") << QByteArray("\"x'");
    QTest::newRow("lone quote kept") << QByteArray("[a]\nk=\"\n") << QByteArray("a") << QByteArray("k") << QByteArray("\"");
    QTest::newRow("empty value") << QByteArray("[a]\nk=\n") << QByteArray("a") << QByteArray("k") << QByteArray("");
    QTest::newRow("value keeps later =") << QByteArray("[a]\nk=x=y\n") << QByteArray("a") << QByteArray("k") << QByteArray("x=y");
    QTest::newRow("comment line") << QByteArray("[a]\n ;k=1\n") << QByteArray("a") << QByteArray(";k") << none;
    QTest::newRow("key before first section") << QByteArray("k=1\n[a]\n") << QByteArray("") << QByteArray("k") << none;
    QTest::newRow("header first [ last ]") << QByteArray("[a]b] ;x\nk=1\n") << QByteArray("a]b") << QByteArray("k") << QByteArray("1");
    QTest::newRow("no ] is no header") << QByteArray("[a]\n[b\nk=1\n") << QByteArray("a") << QByteArray("k") << QByteArray("1");
    QTest::newRow("line without =") << QByteArray("[a]\nk\nk=2\n") << QByteArray("a") << QByteArray("k") << QByteArray("2");
    QTest::newRow("first section wins") << QByteArray("[a]\nk=1\n[A]\nk=2\nj=3\n") << QByteArray("a") << QByteArray("j") << none;
    QTest::newRow("first key wins") << QByteArray("[a]\nk=1\nK=2\n") << QByteArray("a") << QByteArray("k") << QByteArray("1");
    QTest::newRow("first key wins, large section") << QByteArray("[a]\nk=1\n0=\n1=\n2=\n3=\n4=\n5=\n6=\n7=\n8=\n9=\nK=2\n") << QByteArray("a") << QByteArray("k") << QByteArray("1");
    QTest::newRow("LF then CRLF") << QByteArray("[a]\nx=1\r\nk=2\r\n") << QByteArray("a") << QByteArray("k") << QByteArray("2");
    QTest::newRow("last line unterminated") << QByteArray("[a]\r\nk=2") << QByteArray("a") << QByteArray("k") << QByteArray("2");
    QTest::newRow("lone CR lines") << QByteArray("[Keep]\rCount=2\r0=112233\r") << QByteArray("Keep") << QByteArray("0") << QByteArray("112233");
    QTest::newRow("lone CR ends a header") << QByteArray("[a]\r[b]\rk=1") << QByteArray("b") << QByteArray("k") << QByteArray("1");
    QTest::newRow("CR before CR LF, LF before CR") << QByteArray("[a]\r\r\nk=1\n\r[b]\rj=2") << QByteArray("b") << QByteArray("j") << QByteArray("2");
    // Bit 0x20 tells these apart: only letters fold.
    QTest::newRow("@ is not `") << QByteArray("[a]\n@=1\n`=2\n") << QByteArray("a") << QByteArray("`") << QByteArray("2");
    QTest::newRow("\\ is not |") << QByteArray("[\\]\nk=1\n[|]\nk=2\n") << QByteArray("|") << QByteArray("k") << QByteArray("2");
    QTest::newRow("control byte is not digit") << QByteArray("[a]\n\x10=1\n0=2\n") << QByteArray("a") << QByteArray("0") << QByteArray("2");
    QTest::newRow("utf8 unicode case") << QByteArray("[ＫＥＥＰ]\nÄ=1\n") << QByteArray("ｋｅｅｐ") << QByteArray("ä") << QByteArray("1");
    QTest::newRow("cp932 name decoded") << QByteArray("[\x95\x5C]\nk=\x83\x5C\n") << QByteArray("表") << QByteArray("k") << QByteArray("ソ");
    // 83 41 is ア; lowering its second byte as if it were "A" would give ヂ.
    QTest::newRow("cp932 bytes never folded") << QByteArray("[\x83\x41]\nk=1\n") << QByteArray("ヂ") << QByteArray("k") << none;
    // 83 5D is ゾ: its second byte is no closing bracket.
    QTest::newRow("cp932 ] inside a character") << QByteArray("[a]\n[\x83\x5D\nk=1\n") << QByteArray("a") << QByteArray("k") << QByteArray("1");
    QTest::newRow("cp932 ] after a character") << QByteArray("[\x83\x5D]\nk=1\n") << QByteArray("ゾ") << QByteArray("k") << QByteArray("1");
  }
  void reading() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const TIniDocument doc(S(file));
    QCOMPARE(B(doc.ReadString(S(section), S(key), "<none>")), value);
  }

  void sectionNames_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("file order") << QByteArray("[b]\n[a]\r\n[c]") << QStringList{"b", "a", "c"};
    QTest::newRow("repeat listed once") << QByteArray("[a]\n[b]\n[A]\n") << QStringList{"a", "b"};
    QTest::newRow("text without headers") << QByteArray("Sky\nR=1\nsome text\n") << QStringList{};
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[\x01", 20) << QStringList{};
    QTest::newRow("cp932") << QByteArray("[\x8B\xF3\x90\x46]\r\n[\x83\x41]\r\n") << QStringList{"空色", "ア"};
    QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF[空]\n") << QStringList{"空"};
  }
  void sectionNames() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QStringList got;
    for (const std::string& n : TIniDocument(S(file)).ReadSections()) got << QString::fromStdString(n);
    QCOMPARE(got, names);
  }

  // The exact bytes after writing: changed lines only, in the file's layout.
  void writing_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file, CRLF") << QByteArray() << QStringList{"Keep|Count|2", "Keep|0|0080FF"}
                                    << QByteArray("[Keep]\r\nCount=2\r\n0=0080FF\r\n");
    QTest::newRow("update keeps text to = and blanks") << QByteArray("[a]\n  R =\t 1 ; old\nG=2")
        << QStringList{"A|r|255", "a|G|3"} << QByteArray("[a]\n  R =\t 255\nG=3");
    QTest::newRow("update quoted") << QByteArray("[a]\r\nk=\"old\"\r\n") << QStringList{"a|k|new"} << QByteArray("[a]\r\nk=new\r\n");
    QTest::newRow("append after last key, before blanks") << QByteArray("[a]\nx=1\n; note\n\n\n[b]\ny=2\n")
        << QStringList{"a|z|3", "a|w|4"} << QByteArray("[a]\nx=1\nz=3\nw=4\n; note\n\n\n[b]\ny=2\n");
    QTest::newRow("append to keyless section") << QByteArray("[a]\n\n[b]\n") << QStringList{"a|k|1"} << QByteArray("[a]\nk=1\n\n[b]\n");
    QTest::newRow("append new section, LF") << QByteArray("; c\n[a]\nk=1\n\n") << QStringList{"b|k|2"} << QByteArray("; c\n[a]\nk=1\n\n[b]\nk=2\n");
    QTest::newRow("unterminated last line") << QByteArray("[a]\r\nk=1") << QStringList{"a|j|2", "b|k|3"}
        << QByteArray("[a]\r\nk=1\r\nj=2\r\n[b]\r\nk=3\r\n");
    QTest::newRow("last line ending in CR") << QByteArray("[a]\nk=1\r") << QStringList{"a|j|2"} << QByteArray("[a]\nk=1\rj=2\n");
    QTest::newRow("lone CR lines") << QByteArray("[Keep]\rCount=2\r0=112233\r") << QStringList{"Keep|count|3", "Keep|2|445566", "b|k|1"}
        << QByteArray("[Keep]\rCount=3\r0=112233\r2=445566\r[b]\rk=1\r");
    QTest::newRow("CR LF, CR and LF mixed") << QByteArray("[a]\r\nx=1\ry=2\n[b]\r") << QStringList{"a|y|3", "a|z|4", "b|k|5"}
        << QByteArray("[a]\r\nx=1\ry=3\nz=4\r\n[b]\rk=5\r\n");
    QTest::newRow("update twice, add twice") << QByteArray("[a]\nk=1\n") << QStringList{"a|k|2", "a|K|3", "a|j|4", "a|J|5", "c|x|6", "C|x|7"}
        << QByteArray("[a]\nk=3\nj=5\n[c]\nx=7\n");
    QTest::newRow("repeated section's keys are not the first's") << QByteArray("[a]\nk=1\n[b]\n[A]\nj=2\n") << QStringList{"a|j|3"}
        << QByteArray("[a]\nk=1\nj=3\n[b]\n[A]\nj=2\n");
    QTest::newRow("header without line end") << QByteArray("[a]") << QStringList{"a|k|1"} << QByteArray("[a]\r\nk=1\r\n");
    QTest::newRow("first section and key updated") << QByteArray("[a]\nk=1\nk=2\n[a]\nk=3\n") << QStringList{"a|k|9"}
        << QByteArray("[a]\nk=9\nk=2\n[a]\nk=3\n");
    QTest::newRow("keys before a section untouched") << QByteArray("k=1\n[a]\n") << QStringList{"a|k|2"} << QByteArray("k=1\n[a]\nk=2\n");
    QTest::newRow("caller blanks trimmed") << QByteArray() << QStringList{" a | k |v"} << QByteArray("[a]\r\nk=v\r\n");
  }
  void writing() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, writes);
    QFETCH(QByteArray, after);
    TIniDocument doc(S(before));
    ApplyWrites(doc, writes);
    QCOMPARE(B(doc.ToBytes()), after);
  }

  void refusedText_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("line break in value") << QByteArray("a") << QByteArray("k") << QByteArray("1\n[x]\ny=2");
    QTest::newRow("CR in section") << QByteArray("a\rb") << QByteArray("k") << QByteArray("1");
    QTest::newRow("= in key") << QByteArray("a") << QByteArray("k=j") << QByteArray("1");
    QTest::newRow("comment key") << QByteArray("a") << QByteArray(";k") << QByteArray("1");
    QTest::newRow("header key") << QByteArray("a") << QByteArray("[k") << QByteArray("]");
    QTest::newRow("not UTF-8") << QByteArray("a") << QByteArray("k") << QByteArray("\x95\x5C");
  }
  void refusedText() {
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    TIniDocument doc(std::string("[a]\nk=0\n"));
    QVERIFY_THROWS_EXCEPTION(hb::IniTextError, doc.WriteString(S(section), S(key), S(value)));
    QCOMPARE(doc.ToBytes(), std::string("[a]\nk=0\n"));
  }

  void encodings_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("write");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("after");
    const int sjis = int(TextEncoding::Cp932), utf8 = int(TextEncoding::Utf8), bom = int(TextEncoding::Utf8Bom);
    QTest::newRow("new file, Japanese") << QByteArray() << "空|k|表" << sjis << QByteArray("[\x8B\xF3]\r\nk=\x95\x5C\r\n");
    QTest::newRow("new file, emoji") << QByteArray() << "a|k|\U0001F600" << bom << QByteArray("\xEF\xBB\xBF[a]\r\nk=\xF0\x9F\x98\x80\r\n");
    QTest::newRow("ascii file, Japanese") << QByteArray("[a]\n") << "a|k|ア" << sjis << QByteArray("[a]\nk=\x83\x41\n");
    QTest::newRow("cp932 file stays") << QByteArray("[\x83\x41]\nk=1\n") << "ア|j|ソ" << sjis << QByteArray("[\x83\x41]\nk=1\nj=\x83\x5C\n");
    QTest::newRow("utf8 file stays") << QByteArray("[空]\n") << "空|k|ア" << utf8 << QByteArray("[空]\nk=ア\n");
    QTest::newRow("bom kept") << QByteArray("\xEF\xBB\xBF[a]\n") << "a|k|ア" << bom << QByteArray("\xEF\xBB\xBF[a]\nk=ア\n");
    QTest::newRow("cp932 file takes emoji") << QByteArray("[\x83\x41]\nk=\x95\x5C\n") << "ア|j|\U0001F600" << bom
        << QByteArray("\xEF\xBB\xBF[ア]\nk=表\nj=\xF0\x9F\x98\x80\n");
    // "¬" has only the full-width sign's form in CP932, which reads back as "￢".
    QTest::newRow("cp932 file takes a key with no form of its own") << QByteArray("[\x83\x41]\nk=1\n") << "ア|¬|1" << bom
        << QByteArray("\xEF\xBB\xBF[ア]\nk=1\n¬=1\n");
    // ﾂｱ in CP932 is C2 B1, which is also UTF-8 (±): kept as CP932 it would read back wrong.
    QTest::newRow("cp932 that reads as utf8") << QByteArray("[a]\n") << "a|k|ﾂｱ" << bom << QByteArray("\xEF\xBB\xBF[a]\nk=ﾂｱ\n");
  }
  void encodings() {
    QFETCH(QByteArray, before);
    QFETCH(QString, write);
    QFETCH(int, encoding);
    QFETCH(QByteArray, after);
    TIniDocument doc(S(before));
    ApplyWrites(doc, {write});
    QVERIFY(doc.SettleEncoding());
    QCOMPARE(int(doc.Encoding()), encoding);
    QCOMPARE(B(doc.ToBytes()), after);
    const QStringList p = write.split('|');
    QCOMPARE(QString::fromStdString(TIniDocument(doc.ToBytes()).ReadString(p[0].toStdString(), p[1].toStdString(), "")), p[2]);
  }

  // tests/data/windows_cp932.hb stands for a palette saved on Japanese Windows:
  // made from a UTF-8 text with sed 's/$/\r/' | iconv -f UTF-8 -t CP932.
  void windowsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("w.hb");
    const std::string original = ReadBytes(DataFile("windows_cp932.hb"));
    QVERIFY(original.size() > 100);
    WriteBytes(path, original);
    TIniFile ini(path.toStdString());
    QCOMPARE(ini.Encoding(), TextEncoding::Cp932);
    QCOMPARE(ini.ReadSections(), (std::vector<std::string>{"空色", "ア", "ヂ", "ゾ", "表示"}));
    QCOMPARE(ini.ReadInteger("空色", "G", 0), 206);
    QCOMPARE(ini.ReadInteger("ア", "R", 0), 1);
    QCOMPARE(ini.ReadInteger("ヂ", "R", 0), 4);
    QCOMPARE(ini.ReadInteger("ゾ", "R", 0), 128);
    QCOMPARE(ini.ReadInteger("ゾ", "G", 0), 64);
    QCOMPARE(ini.ReadString("表示", "名前", ""), std::string("表示の色"));
    ini.WriteInteger("ア", "G", 200);
    std::string expected = original;
    expected.replace(expected.find("G=2\r\n"), 5, "G=200\r\n");
    QCOMPARE(ReadBytes(path), expected);
  }

  // Keep list in the settings file.
  void settingsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("huebrook.ini");
    WriteBytes(path, "; mine\r\n[Other]\r\nx = 1\r\n\r\n[Keep]\r\nCount=3\r\n0=0080ff\r\n1=FF0000\r\n5=00FF00\r\n");
    TIniFile ini(path.toStdString());
    QCOMPARE(ini.ReadInteger("Keep", "Count", 0), 3);
    QCOMPARE(ini.ReadString("Keep", "0", ""), std::string("0080ff"));
    QCOMPARE(ini.ReadString("Keep", "2", ""), std::string());
    {
      TIniFile::Batch batch(ini);
      ini.WriteInteger("Keep", "Count", 3);
      for (const char* k : {"0", "1", "2"}) ini.WriteString("Keep", k, k[0] == '2' ? "FFFFFF" : "0080FF");
      QCOMPARE(ReadBytes(path).find("2=FFFFFF"), std::string::npos);  // nothing written yet
      batch.Commit();
    }
    QCOMPARE(ReadBytes(path), std::string("; mine\r\n[Other]\r\nx = 1\r\n\r\n[Keep]\r\nCount=3\r\n0=0080FF\r\n"
                                          "1=0080FF\r\n5=00FF00\r\n2=FFFFFF\r\n"));
    ini.WriteInteger("Keep", "Count", 0);  // keys past Count stay
    QCOMPARE(TIniFile(path.toStdString()).ReadString("Keep", "5", ""), std::string("00FF00"));
  }

  // Palette plug-in files.
  void paletteFiles() {
    const TIniDocument doc(std::string("[Sky]\nR=135\nG=206\nB=235\n[Night]\nR=10\n"));
    QCOMPARE(doc.ReadSections(), (std::vector<std::string>{"Sky", "Night"}));
    QCOMPARE(doc.ReadInteger("Sky", "B", 0), 235);
    QCOMPARE(doc.ReadInteger("Night", "G", 0), 0);

    QTemporaryDir dir;
    const std::string path = dir.filePath("Pastels.hb").toStdString();
    WriteBytes(QString::fromStdString(path), "[Old]\r\nR=1\r\n");
    const std::vector<std::tuple<std::string, int, int, int>> colours{
        {"Sky", 135, 206, 235}, {"夜", 10, 0, 0}, {"Rose", 255, 0, 128}, {"\U0001F600", 1, 2, 3}};
    {
      TIniFile ini(path);
      TIniFile::Batch batch(ini);
      ini.Clear();  // the whole file is replaced
      for (const auto& [name, r, g, b] : colours) {
        ini.WriteInteger(name, "R", r);
        ini.WriteInteger(name, "G", g);
        ini.WriteInteger(name, "B", b);
      }
      batch.Commit();
    }
    TIniFile back(path);
    std::vector<std::string> names;
    for (const auto& c : colours) names.push_back(std::get<0>(c));
    QCOMPARE(back.ReadSections(), names);
    for (const auto& [name, r, g, b] : colours) {
      QCOMPARE(back.ReadInteger(name, "R", -1), r);
      QCOMPARE(back.ReadInteger(name, "G", -1), g);
      QCOMPARE(back.ReadInteger(name, "B", -1), b);
    }
  }

  // A CP932 file goes to UTF-8 only when every byte of it comes back; else the
  // one write that needs it is refused and the file stays as it was.
  void lossyConversionRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("Latin-1 name") << QByteArray("[\x83\x41]\r\nName=Caf\xE9\r\n");
    QTest::newRow("unassigned and invalid bytes") << QByteArray("[\x83\x41]\r\nx=\x85\x40\xFF\xA0\r\n");
    // 90 is a lead byte; "=" cannot end its character.
    QTest::newRow("broken character") << QByteArray("[\x83\x41]\nab\x90=1\n");
    QTest::newRow("NEC copy of an IBM kanji") << QByteArray("[\x83\x41]\nk=\xED\x40\n");
  }
  void lossyConversionRefused() {
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QString path = dir.filePath("p.hb");
    WriteBytes(path, S(file));
    TIniFile ini(path.toStdString());
    QCOMPARE(ini.Encoding(), TextEncoding::Cp932);
    try {
      ini.WriteString("ア", "j", "\U0001F600");
      QFAIL("no error");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), path + " に書き込めません");
    }
    QCOMPARE(B(ReadBytes(path)), file);
    // Text CP932 holds still goes in.
    ini.WriteString("ア", "j", "表");
    QCOMPARE(TIniFile(path.toStdString()).ReadString("ア", "j", ""), std::string("表"));
    QCOMPARE(ini.Encoding(), TextEncoding::Cp932);
  }

  // UTF-16 with a byte-order mark, read and written back in its byte order.
  void utf16Files_data() {
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little endian") << false;
    QTest::newRow("big endian") << true;
  }
  void utf16Files() {
    QFETCH(bool, bigEndian);
    auto utf16 = [&](const std::string& utf8) {
      return std::string(bigEndian ? "\xFE\xFF" : "\xFF\xFE") + hb::Utf8ToUtf16(utf8, bigEndian);
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("w.ini");
    // With an unpaired surrogate on a line nobody touches.
    const std::string lone = bigEndian ? std::string("\xD8\x3D", 2) : std::string("\x3D\xD8", 2);
    const std::string head = utf16("[空色]\r\nR=135\r\nNote=");
    WriteBytes(path, head + lone + utf16("\r\n[Keep]\r\nCount=1\r\n").substr(2));
    TIniFile ini(path.toStdString());
    QCOMPARE(ini.Encoding(), bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le);
    QCOMPARE(ini.ReadSections(), (std::vector<std::string>{"空色", "Keep"}));
    QCOMPARE(ini.ReadInteger("空色", "R", 0), 135);
    QCOMPARE(ini.ReadInteger("keep", "count", 0), 1);
    {
      TIniFile::Batch batch(ini);
      ini.WriteInteger("空色", "G", 206);
      ini.WriteString("Keep", "0", "\U0001F600");
      ini.WriteString("夜", "R", "10");
      batch.Commit();
    }
    QCOMPARE(ReadBytes(path), head + lone +
                                  utf16("\r\nG=206\r\n[Keep]\r\nCount=1\r\n0=\U0001F600\r\n[夜]\r\nR=10\r\n").substr(2));
    QCOMPARE(TIniFile(path.toStdString()).ReadString("Keep", "0", ""), std::string("\U0001F600"));

    // An odd last byte cannot be written back: reads, refuses writes.
    const std::string odd = utf16("[a]\r\nk=1\r\n") + "x";
    QCOMPARE(TIniDocument(odd).ToBytes(), odd);
    WriteBytes(path, odd);
    TIniFile broken(path.toStdString());
    QCOMPARE(broken.ReadInteger("a", "k", 0), 1);
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, broken.WriteString("a", "k", "2"));
    QCOMPARE(ReadBytes(path), odd);
  }

  // Names that differ only in bit 0x20 of bytes that are no letters all hash
  // apart; once they shared a bucket and made reading quadratic.
  void collidingNames() {
    const char pairs[][2] = {{'@', '`'}, {'\\', '|'}, {'^', '~'}, {'_', '\x7F'}, {'!', '\x01'}, {'#', '\x03'},
                             {'$', '\x04'}, {'%', '\x05'}, {'&', '\x06'}, {'\'', '\x07'}, {'(', '\x08'},
                             {'+', '\x0B'}, {',', '\x0C'}, {'.', '\x0E'}, {'/', '\x0F'}};
    auto name = [&](int i) {
      std::string n;
      for (int b = 0; b < 15; ++b) n += pairs[b][(i >> b) & 1];
      return n;
    };
    const int count = 1 << 15;
    std::string keys = "[Keys]\n", sections;
    for (int i = 0; i < count; ++i) keys += name(i) + "=" + std::to_string(i) + "\n";
    for (int i = 0; i < count / 2; ++i) sections += "[" + name(i) + "]\nR=" + std::to_string(i) + "\n";
    const TIniDocument k(keys), s(sections);
    QCOMPARE(s.ReadSections().size(), std::size_t(count / 2));
    for (int i = 0; i < count; ++i) {
      if (k.ReadInteger("Keys", name(i), -1) != i) QFAIL(qPrintable(QString("key %1").arg(i)));
      if (i < count / 2 && s.ReadInteger(name(i), "r", -1) != i) QFAIL(qPrintable(QString("section %1").arg(i)));
    }
  }

  // Too large for a settings or palette file: read as empty, never written.
  void oversizedFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.hb");
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("[Keep]\r\nCount=1\r\n");
      QVERIFY(f.resize(qint64(hb::kIniMaxFileSize) + 1));  // sparse: costs no disk
    }
    TIniFile ini(path.toStdString());
    QVERIFY(ini.ReadSections().empty());
    QCOMPARE(ini.ReadInteger("Keep", "Count", -1), -1);
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, ini.WriteString("Keep", "Count", "2"));
    QCOMPARE(QFileInfo(path).size(), qint64(hb::kIniMaxFileSize) + 1);
    {
      QFile f(path);
      QVERIFY(f.resize(qint64(hb::kIniMaxFileSize)));  // at the limit it is read
    }
    QCOMPARE(TIniFile(path.toStdString()).ReadInteger("Keep", "Count", -1), 1);
  }

  // What killed writers left is removed by the next write, a live writer's
  // temporary file never.
  void crashLeftovers() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    WriteBytes(path, "[a]\n");
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const pid_t live = ::fork();
    if (live == 0) {
      ::pause();
      ::_exit(0);
    }
    auto temp = [&](pid_t pid, int n, const char* name = "s.ini") {
      const QString f = QString(".%1.%2-%3.tmp").arg(name).arg(pid).arg(n);
      WriteBytes(dir.filePath(f), "[a]\nk=old\n");
      return f;
    };
    const QString deadFile = temp(dead, 0), liveFile = temp(live, 1), staleFile = temp(live, 2),
                  otherTarget = temp(dead, 3, "t.ini");
    WriteBytes(dir.filePath(".s.ini.x-1.tmp"), "");
    const struct timeval old[2] = {{std::time(nullptr) - 120, 0}, {std::time(nullptr) - 120, 0}};
    QCOMPARE(::utimes(dir.filePath(staleFile).toLocal8Bit(), old), 0);
    TIniFile(path.toStdString()).WriteString("a", "k", "1");
    ::kill(live, SIGKILL);
    ::waitpid(live, nullptr, 0);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QStringList expected{".s.ini.x-1.tmp", liveFile, otherTarget, "s.ini"};
    expected.sort();
    QCOMPARE(left, expected);
    QCOMPARE(ReadBytes(path), std::string("[a]\nk=1\n"));
  }

  // A palette whose names fill far more than 16,384 bytes loses none.
  void largePalette() {
    const std::string bytes = Palette(3000, 1);
    const auto names = TIniDocument(bytes).ReadSections();
    QCOMPARE(names.size(), std::size_t(3001));
    QCOMPARE(names[2999], std::string("Colour 2999"));
    QCOMPARE(TIniDocument(bytes).ReadInteger("colour 2999", "b", 0), 1);
  }

  void unwritable_data() {
    QTest::addColumn<QString>("kind");
    for (const char* k : {"missing folder", "under a file", "folder as file", "read-only folder", "read-only file", "unreadable file"})
      QTest::newRow(k) << QString(k);
  }
  void unwritable() {
    QFETCH(QString, kind);
    const bool root = ::geteuid() == 0;
    if (root && kind.startsWith("read-only")) QSKIP("root writes anywhere");
    if (root && kind == "unreadable file") QSKIP("root reads anything");
    QTemporaryDir dir;
    QString path = dir.filePath("s.ini");
    WriteBytes(path, "[a]\nk=1\n");
    if (kind == "missing folder") path = dir.filePath("none/s.ini");
    if (kind == "under a file") path += "/s.ini";
    if (kind == "folder as file") path = dir.path();
    if (kind == "read-only folder") ::chmod(dir.path().toLocal8Bit(), 0555);
    if (kind == "read-only file") ::chmod(path.toLocal8Bit(), 0444);
    if (kind == "unreadable file") ::chmod(path.toLocal8Bit(), 0200);
    TIniFile ini(path.toStdString());
    try {
      ini.WriteString("a", "k", "2");
      QFAIL("no error");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), path + " に書き込めません");
    }
    ::chmod(dir.path().toLocal8Bit(), 0755);
    ::chmod(dir.filePath("s.ini").toLocal8Bit(), 0644);
    QCOMPARE(ReadBytes(dir.filePath("s.ini")), std::string("[a]\nk=1\n"));
  }

  // A write stopped at any point leaves the old file whole and no temporary file.
  void interruptedWrite_data() {
    QTest::addColumn<int>("stage");
    QTest::newRow("between chunks") << int(hb::TIniWriteStage::Chunk);
    QTest::newRow("before sync") << int(hb::TIniWriteStage::Written);
    QTest::newRow("before rename") << int(hb::TIniWriteStage::Synced);
  }
  void interruptedWrite() {
    QFETCH(int, stage);
    HookReset reset;
    QTemporaryDir dir;
    const QString path = dir.filePath("p.hb");
    const std::string old = Palette(3, 0);
    WriteBytes(path, old);
    ::chmod(path.toLocal8Bit(), 0640);
    TIniFile ini(path.toStdString());
    std::size_t stoppedAt = 0;
    hb::SetIniWriteHook([&](hb::TIniWriteStage s, std::size_t written) {
      if (int(s) != stage) return;
      stoppedAt = written;
      throw std::runtime_error("disk gone");
    });
    TIniFile::Batch batch(ini);
    for (int i = 0; i < 5000; ++i) ini.WriteInteger("Colour " + std::to_string(i), "R", i);
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, batch.Commit());
    QVERIFY(stoppedAt >= 64 * 1024);  // stopped with more than a chunk to write
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"p.hb"});

    hb::SetIniWriteHook(nullptr);  // the changes are still pending and go out next time
    ini.WriteInteger("End", "Version", 2);
    QCOMPARE(TIniFile(path.toStdString()).ReadInteger("Colour 4999", "R", 0), 4999);
    struct stat st;
    QCOMPARE(::stat(path.toLocal8Bit(), &st), 0);
    QCOMPARE(st.st_mode & 07777, 0640u);
  }

  void cancelledBatch() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.hb").toStdString();
    TIniFile ini(path);  // missing: empty until the first write creates it
    QVERIFY(ini.ReadSections().empty());
    QCOMPARE(ini.ReadInteger("Keep", "Count", 0), 0);
    ini.WriteString("a", "k", "1");
    try {
      TIniFile::Batch batch(ini);
      ini.WriteString("a", "k", "2");
      ini.WriteString("b", "k", "3");
      throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    QCOMPARE(ini.ReadString("a", "k", ""), std::string("1"));
    QCOMPARE(ini.ReadSections().size(), std::size_t(1));
    QCOMPARE(ReadBytes(QString::fromStdString(path)), std::string("[a]\r\nk=1\r\n"));
  }

  // The link stays; the file it points to (through a chain, relative or
  // absolute, created when missing) is written.
  void symlinks_data() {
    QTest::addColumn<QStringList>("links");  // "name>target", made in order
    QTest::addColumn<QString>("written");    // the file that gets the content
    QTest::newRow("relative") << QStringList{"link.ini>real.ini"} << "real.ini";
    QTest::newRow("absolute") << QStringList{"link.ini>@/real.ini"} << "real.ini";
    QTest::newRow("chain into a folder") << QStringList{"link.ini>mid.ini", "mid.ini>dots/real.ini"} << "dots/real.ini";
    QTest::newRow("dangling") << QStringList{"link.ini>dots/new.ini"} << "dots/new.ini";
    QTest::newRow("loop") << QStringList{"link.ini>b.ini", "b.ini>link.ini"} << "";
  }
  void symlinks() {
    QFETCH(QStringList, links);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("dots"));
    WriteBytes(dir.filePath("real.ini"), "[a]\n");
    WriteBytes(dir.filePath("dots/real.ini"), "[a]\n");
    for (const QString& l : links) {
      const QStringList p = l.split('>');
      QString target = p[1];
      target.replace("@", dir.path());
      QCOMPARE(::symlink(target.toLocal8Bit(), dir.filePath(p[0]).toLocal8Bit()), 0);
    }
    TIniFile ini(dir.filePath("link.ini").toStdString());
    if (written.isEmpty()) {
      QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, ini.WriteString("a", "k", "1"));
    } else {
      ini.WriteString("a", "k", "1");
      QCOMPARE(TIniFile(dir.filePath(written).toStdString()).ReadString("a", "k", ""), std::string("1"));
    }
    for (const QString& l : links) QVERIFY(QFileInfo(dir.filePath(l.split('>')[0])).isSymLink());
  }

  // A writer killed at random moments: the file is always one whole version.
  void killedWriter() {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.hb");
    const int sections = 20000;
    WriteBytes(path, Palette(sections, 0));
    std::vector<std::string> versions;
    for (int v = 0; v < 4; ++v) versions.push_back(Palette(sections, v));
    for (int trial = 0; trial < 12; ++trial) {
      const pid_t child = ::fork();
      QVERIFY(child >= 0);
      if (child == 0) {
        try {
          // The first round goes through the whole INI layer, then mostly
          // replacements, so that most kills land inside one.
          TIniFile ini(path.toStdString());
          TIniFile::Batch batch(ini);
          for (int i = 0; i < sections; ++i) ini.WriteInteger("Colour " + std::to_string(i), "B", 3);
          for (int i = 0; i < sections; ++i) ini.WriteInteger("Colour " + std::to_string(i), "R", 3);
          for (int i = 0; i < sections; ++i) ini.WriteInteger("Colour " + std::to_string(i), "G", 3);
          ini.WriteInteger("End", "Version", 3);
          batch.Commit();
          for (int v = 1;; v = v % 3 + 1) hb::WriteFileAtomically(path.toStdString(), versions[v]);
        } catch (...) {
        }
        ::_exit(1);
      }
      QThread::usleep(20000 + 997 * trial * trial % 40000);
      ::kill(child, SIGKILL);
      ::waitpid(child, nullptr, 0);
      const std::string bytes = ReadBytes(path);
      const int version = TIniDocument(bytes).ReadInteger("End", "Version", -1);
      QVERIFY(version >= 0 && version < 4);
      QCOMPARE(bytes, versions[version]);
      // A killed writer may leave its temporary file; it never bears the file's name.
      for (const QString& f : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        if (f != "big.hb") QVERIFY(f.startsWith(".big.hb.") && f.endsWith(".tmp") && QFile::remove(dir.filePath(f)));
    }
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
