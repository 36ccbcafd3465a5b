// The colour image file: what the BMP and JPEG files hold, read back by Qt
// and by libjpeg, and that a failed write leaves nothing behind.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <csetjmp>
#include <cstdio>
#include <unistd.h>

#include <jpeglib.h>

#include "output/ColorImageFile.h"
#include "settings/IniFile.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

quint32 Le(const QByteArray& b, int at, int size) {
  quint32 v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | quint8(b[at + i]);
  return v;
}

// The tables of the JPEG standard (Annex K), natural order, and their scaling
// for a quality of 90 with baseline limits: factor 200 - 2 * 90 = 20 percent.
constexpr int kLuminance[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
int Scaled90(int base) { return std::clamp((base * 20 + 50) / 100, 1, 255); }

struct DecodedJpeg {
  bool ok = false;
  int width = 0, height = 0, components = 0;
  bool progressive = true;
  int quant[2][64] = {};
  QImage image;
};

struct ErrorJump {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};
void JumpOnError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1); }

bool DecodeInto(const QByteArray& bytes, DecodedJpeg* out, ErrorJump* err, jpeg_decompress_struct* cinfo) {
  cinfo->err = jpeg_std_error(&err->pub);
  err->pub.error_exit = JumpOnError;
  if (setjmp(err->jump)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
  jpeg_read_header(cinfo, TRUE);
  out->progressive = cinfo->progressive_mode;
  out->components = cinfo->num_components;
  for (int t = 0; t < 2; ++t)
    for (int i = 0; i < 64; ++i) out->quant[t][i] = cinfo->quant_tbl_ptrs[t] ? cinfo->quant_tbl_ptrs[t]->quantval[i] : -1;
  cinfo->out_color_space = JCS_RGB;
  jpeg_start_decompress(cinfo);
  out->width = int(cinfo->output_width);
  out->height = int(cinfo->output_height);
  out->image = QImage(out->width, out->height, QImage::Format_RGB888);
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = out->image.scanLine(int(cinfo->output_scanline));
    jpeg_read_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  return true;
}

DecodedJpeg DecodeJpeg(const QByteArray& bytes) {
  DecodedJpeg out;
  ErrorJump err;
  jpeg_decompress_struct cinfo;
  out.ok = DecodeInto(bytes, &out, &err, &cinfo);
  return out;
}

// The frame marker: SOF0 (baseline) and no other start of frame.
QList<int> FrameMarkers(const QByteArray& b) {
  QList<int> found;
  for (int i = 2; i + 3 < b.size();) {
    if (quint8(b[i]) != 0xFF) return {-1};
    const int marker = quint8(b[i + 1]);
    if (marker == 0xDA) break;  // start of scan: the headers are over
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) found << marker;
    i += 2 + int(quint8(b[i + 2]) << 8 | quint8(b[i + 3]));
  }
  return found;
}

QStringList Leftovers(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestColorImageFile : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  QString Path(const QString& name) { return dir.filePath(name); }

 private slots:
  void cleanup() {
    hb::SetIniWriteHook({});
    for (const QString& name : Leftovers(dir.path())) {
      QFileInfo info(dir.filePath(name));
      if (info.isDir()) {
        QFile::setPermissions(info.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(info.filePath()).removeRecursively();
      } else {
        QFile::remove(info.filePath());
      }
    }
  }

  void colors_data() {
    QTest::addColumn<QColor>("color");
    QTest::newRow("orange") << QColor(255, 128, 0);
    QTest::newRow("black") << QColor(0, 0, 0);
    QTest::newRow("white") << QColor(255, 255, 255);
    QTest::newRow("pure blue") << QColor(0, 0, 255);
    QTest::newRow("pure red") << QColor(255, 0, 0);
    QTest::newRow("odd grey-green") << QColor(17, 201, 99);
  }

  void bmp_data() { colors_data(); }
  void bmp() {
    QFETCH(QColor, color);
    const QString path = Path("colour.bmp");
    hb::WriteColorImage(path.toStdString(), hb::ColorImage(color));
    const QByteArray bytes = ReadAll(path);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(Le(bytes, 18, 4), 240u);   // width
    QCOMPARE(Le(bytes, 22, 4), 240u);   // height
    QCOMPARE(Le(bytes, 28, 2), 24u);    // bits per pixel
    QCOMPARE(Le(bytes, 30, 4), 0u);     // no compression
    QCOMPARE(Le(bytes, 2, 4), quint32(bytes.size()));
    QImage image;
    QVERIFY(image.loadFromData(bytes, "BMP"));
    QCOMPARE(image.size(), QSize(240, 240));
    for (int y = 0; y < 240; y += 7)
      for (int x = 0; x < 240; x += 7) QCOMPARE(image.pixelColor(x, y), color);
    QCOMPARE(image.pixelColor(239, 239), color);
  }

  void jpeg_data() { colors_data(); }
  void jpeg() {
    QFETCH(QColor, color);
    const QString path = Path("colour.jpg");
    hb::WriteColorImage(path.toStdString(), hb::ColorImage(color));
    const QByteArray bytes = ReadAll(path);
    QCOMPARE(FrameMarkers(bytes), QList<int>{0xC0});
    const DecodedJpeg d = DecodeJpeg(bytes);
    QVERIFY(d.ok);
    QCOMPARE(d.width, 240);
    QCOMPARE(d.height, 240);
    QCOMPARE(d.components, 3);
    QVERIFY(!d.progressive);
    for (int i = 0; i < 64; ++i) {
      QCOMPARE(d.quant[0][i], Scaled90(kLuminance[i]));
      QCOMPARE(d.quant[1][i], Scaled90(kChrominance[i]));
    }
    for (int y = 0; y < 240; y += 5)
      for (int x = 0; x < 240; x += 5) {
        const QColor got = d.image.pixelColor(x, y);
        const int diff = std::max({std::abs(got.red() - color.red()), std::abs(got.green() - color.green()),
                                   std::abs(got.blue() - color.blue())});
        QVERIFY2(diff <= 2, qPrintable(QStringLiteral("(%1, %2): %3").arg(x).arg(y).arg(got.name())));
      }
  }

  // The format follows the extension without regard to case.
  void formatByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("jpeg");
    QTest::newRow(".JPG") << "a.JPG" << true;
    QTest::newRow(".jpeg") << "a.jpeg" << true;
    QTest::newRow(".Jpe") << "a.Jpe" << true;
    QTest::newRow(".bmp") << "a.bmp" << false;
    QTest::newRow(".png") << "a.png" << false;
    QTest::newRow("none") << "a" << false;
  }
  void formatByName() {
    QFETCH(QString, name);
    QFETCH(bool, jpeg);
    hb::WriteColorImage(Path(name).toStdString(), hb::ColorImage(Qt::darkCyan));
    const QByteArray head = ReadAll(Path(name)).left(3);
    QCOMPARE(head, jpeg ? QByteArray("\xFF\xD8\xFF") : QByteArray("BM\x36"));
  }

  void replacesOldFile() {
    const QString path = Path("old.bmp");
    WriteAll(path, QByteArray(100000, 'x'));
    hb::WriteColorImage(path.toStdString(), hb::ColorImage(Qt::red));
    QCOMPARE(ReadAll(path).left(2), QByteArray("BM"));
    QCOMPARE(Leftovers(dir.path()), QStringList{"old.bmp"});
  }

  // Every failure raises "<path> に書き込めません", keeps an old file as it was
  // and leaves no partial or temporary file.
  void failures_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("name is a folder") << "name is a folder";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("disk full while writing") << "disk full";
    QTest::newRow("disk full, old file kept") << "disk full old";
    QTest::newRow("empty file name") << "empty name";
  }
  void failures() {
    QFETCH(QString, kind);
    QString path = Path("colour.jpg");
    QByteArray old;
    if (kind == "missing folder") {
      path = Path("nowhere/colour.jpg");
    } else if (kind == "name is a folder") {
      QVERIFY(QDir(dir.path()).mkdir("colour.jpg"));
    } else if (kind == "read-only folder") {
      if (::geteuid() == 0) QSKIP("root writes anywhere");
      QVERIFY(QDir(dir.path()).mkdir("ro"));
      QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::ExeOwner);
      path = Path("ro/colour.jpg");
    } else if (kind.startsWith("disk full")) {
      if (kind.endsWith("old")) {
        old = "the picture before";
        WriteAll(path, old);
      }
      hb::SetIniWriteHook([](hb::TIniWriteStage stage, std::size_t) {
        if (stage == hb::TIniWriteStage::Chunk) throw std::runtime_error("ENOSPC");
      });
    } else if (kind == "empty name") {
      path = dir.path() + "/";
    }
    const QStringList before = Leftovers(dir.path());
    try {
      hb::WriteColorImage(path.toStdString(), hb::ColorImage(Qt::green));
      QFAIL("the write was reported as done");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), path + QString::fromUtf8(" に書き込めません"));
    }
    QCOMPARE(Leftovers(dir.path()), before);
    if (!old.isNull()) QCOMPARE(ReadAll(path), old);
    if (kind == "name is a folder") QVERIFY(QFileInfo(path).isDir());
  }

  void emptyPictureIsAnError() {
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, hb::EncodeJpeg(QImage()));
  }
};

QTEST_MAIN(TestColorImageFile)
#include "tst_ColorImageFile.moc"
