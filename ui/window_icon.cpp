#include "window_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <array>

namespace armoursmith {
namespace {

struct Picture {
  const char* file;
  int side;
};

constexpr std::array<Picture, 2> kPictures = {{
    {":/armoursmith.png", 64},
    {":/icons/armoursmith-128.png", 128},
}};

// Knows the pictures' sizes and reads the pictures themselves on the first request that needs
// them, which it then hands to an ordinary icon of them.
class PicturesOnDemand : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Pictures().pixmap(size, 1.0, mode, state);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const Picture& picture : kPictures) sizes.append({picture.side, picture.side});
    return sizes;
  }

  QIconEngine* clone() const override { return new PicturesOnDemand(*this); }

 private:
  const QIcon& Pictures() {
    if (pictures_.isNull()) {
      for (const Picture& picture : kPictures) {
        // Named as PNG, the picture is read at once; left to find its format, the reader
        // would first load every image format plugin.
        QImageReader reader(picture.file, "png");
        reader.setAutoDetectImageFormat(false);
        pictures_.addPixmap(QPixmap::fromImage(reader.read()));
      }
    }
    return pictures_;
  }

  QIcon pictures_;
};

}  // namespace

QIcon WindowIcon() { return QIcon(new PicturesOnDemand); }

}  // namespace armoursmith
