#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform_expectations.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using WindowIconTest = testing::WindowsTest;

// At scale 1 the window shows the 64 px picture in 256 colours; at scale 2 a 128 px one
// instead of the small one blown up.
TEST_F(WindowIconTest, PaletteImageAtScaleOneSharpImageAtScaleTwo) {
  const QIcon icon = form1.windowIcon();
  EXPECT_EQ(icon.availableSizes(), QList<QSize>({{64, 64}, {128, 128}}));
  // The pictures are read as what they are: no image format plugin is loaded for them.
  icon.pixmap(QSize(64, 64), 1.0);
  const std::string loaded = testing::LoadedLibraryFiles();
  EXPECT_NE(loaded.find("window_tests"), std::string::npos);
  EXPECT_EQ(loaded.find("imageformats"), std::string::npos);

  const QImage paletteImage(":/armoursmith.png");
  EXPECT_EQ(paletteImage.format(), QImage::Format_Indexed8);
  EXPECT_EQ(icon.pixmap(QSize(64, 64), 1.0).toImage(),
            paletteImage.convertToFormat(QImage::Format_ARGB32_Premultiplied));

  const QPixmap atScaleTwo = icon.pixmap(QSize(64, 64), 2.0);
  EXPECT_EQ(atScaleTwo.size(), QSize(128, 128));
  EXPECT_EQ(
      atScaleTwo.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
      QImage(":/icons/armoursmith-128.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

}  // namespace
}  // namespace armoursmith
