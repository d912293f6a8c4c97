// Renders the palette's 120 emoji pictures from Noto Color Emoji: each emoji
// is drawn at the font's full bitmap size, cropped to its visible square,
// mirrored where the artwork list asks, and scaled to 24 x 24 with alpha, and
// to 48 x 48 for screens of twice the density (N@2x.png).
//
// Usage: render_emoji_pictures ARTWORK_TSV OUTPUT_DIR
// The list has one line per emoji: number, label, emoji, mirror (1 or 0).
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kCanvas = 192;
constexpr int kGlyphPixels = 109;  // the size of the font's bitmap strike
constexpr int kPictureSize = 24;
constexpr int kDensities[] = {1, 2};

QRect VisibleBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 8) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

QImage RenderEmoji(const QString& emoji, bool mirrored, int density) {
  QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  QFont font(QStringLiteral("Noto Color Emoji"));
  font.setPixelSize(kGlyphPixels);
  painter.setFont(font);
  painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
  painter.end();
  const QRect visible = VisibleBounds(canvas);
  if (visible.isEmpty()) return {};
  const int side = std::max(visible.width(), visible.height());
  const QRect square(visible.center().x() - side / 2, visible.center().y() - side / 2, side, side);
  const int size = kPictureSize * density;
  QImage picture =
      canvas.copy(square).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (mirrored) picture = picture.mirrored(true, false);
  return picture.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ARTWORK_TSV OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  QFile list(QString::fromLocal8Bit(argv[1]));
  if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) return 1;
  QTextStream lines(&list);
  int written = 0;
  while (!lines.atEnd()) {
    const QString line = lines.readLine();
    if (line.startsWith(u'#') || line.trimmed().isEmpty()) continue;
    const QStringList fields = line.split(u'\t');
    if (fields.size() < 4) continue;
    for (const int density : kDensities) {
      const QImage picture =
          RenderEmoji(fields[2], fields[3].trimmed() == QStringLiteral("1"), density);
      const QString path = QStringLiteral("%1/%2%3.png")
                               .arg(QString::fromLocal8Bit(argv[2]), fields[0],
                                    density == 1 ? QString() : QStringLiteral("@%1x").arg(density));
      if (picture.isNull() || !picture.save(path, "PNG")) {
        std::fprintf(stderr, "could not render %s\n", qPrintable(line));
        return 1;
      }
      ++written;
    }
  }
  std::printf("%d pictures written\n", written);
  return written == 240 ? 0 : 1;
}
