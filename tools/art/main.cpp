// varnel-art: draws the About picture and the program icon and writes them into a
// resources folder (by default ./resources, run from the source tree's top):
//   about.bmp        537 x 306, 8 bits per pixel, 256-colour palette, uncompressed
//   varnel.ico       32 x 32 and 16 x 16 images in 16 colours
//   varnel-32.png    the same two images, which the program loads through QIcon
//   varnel-16.png
//   varnel-64.png    the 32 x 32 image with its pixels doubled and quadrupled, for the
//   varnel-128.png   desktop's menus and launchers (installed in the hicolor theme)
// Every run writes the same bytes, so rerunning after a change shows only real changes.
// SPDX-License-Identifier: MIT

#include "about_scene.h"
#include "bmp_writer.h"
#include "ico_writer.h"
#include "icon_art.h"
#include "indexed_canvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writeFile(const QDir& folder, const QString& name, const QByteArray& bytes,
               QTextStream& errors) {
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        errors << "varnel-art: cannot write " << file.fileName() << ": " << file.errorString()
               << Qt::endl;
        return false;
    }
    return true;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2) {
        errors << "usage: varnel-art [resources-folder]" << Qt::endl;
        return 2;
    }
    const QDir folder(arguments.size() == 2 ? arguments[1] : QStringLiteral("resources"));
    if (!folder.exists()) {
        errors << "varnel-art: folder " << folder.path() << " does not exist" << Qt::endl;
        return 1;
    }

    const IndexedCanvas scene = AboutScene::draw();
    const IndexedCanvas large = IconArt::large();
    const IndexedCanvas small = IconArt::small();
    const QList<QRgb> iconColours = IconArt::palette();

    const QImage image32 = IcoWriter::toImage(large, iconColours);
    const QByteArray png32 = pngBytes(image32);
    const QByteArray png16 = pngBytes(IcoWriter::toImage(small, iconColours));
    // The desktop's menus and launchers want larger icons: the 32 x 32 drawing with each
    // pixel doubled or quadrupled, so it stays crisp instead of being blurred up.
    const auto enlarged = [&](int size) {
        return pngBytes(image32.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    };
    const QByteArray png64 = enlarged(64);
    const QByteArray png128 = enlarged(128);
    if (png32.isEmpty() || png16.isEmpty() || png64.isEmpty() || png128.isEmpty()) {
        errors << "varnel-art: PNG writing is not available" << Qt::endl;
        return 1;
    }

    const bool written =
        writeFile(folder, "about.bmp", BmpWriter::indexed8(scene, AboutScene::palette()), errors) &&
        writeFile(folder, "varnel.ico", IcoWriter::icon4({large, small}, iconColours), errors) &&
        writeFile(folder, "varnel-32.png", png32, errors) &&
        writeFile(folder, "varnel-16.png", png16, errors) &&
        writeFile(folder, "varnel-64.png", png64, errors) &&
        writeFile(folder, "varnel-128.png", png128, errors);
    return written ? 0 : 1;
}
