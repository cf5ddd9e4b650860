#include "toolkit/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImageReader>
#include <map>

#include "toolkit/picture_store.h"

static std::map<int, QPixmap> pictures;

// Reads each image of an ICO block in turn. The bytes are wrapped, not
// copied: the block outlives the reader.
template <typename Visit>
static void ReadIcoImages(std::span<const unsigned char> ico, Visit visit)
{
    // Pixmaps need the window system's session.
    if (ico.empty() || QGuiApplication::instance() == nullptr)
        return;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(ico.data()),
                                                     static_cast<qsizetype>(ico.size()));
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return;
    QImageReader reader(&buffer, "ICO");
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            visit(image);
    }
}

bool LoadPicture(int picture, std::span<const unsigned char> ico)
{
    QImage largest;
    ReadIcoImages(ico, [&](const QImage& image) {
        if (largest.isNull() || image.width() * image.height() > largest.width() * largest.height())
            largest = image;
    });
    if (largest.isNull())
        return false;
    pictures[picture] = QPixmap::fromImage(largest);
    return true;
}

bool PictureExists(int picture) { return pictures.count(picture) != 0; }

void ReleasePictures() { pictures.clear(); }

const QPixmap* FindPicture(int picture)
{
    const auto found = pictures.find(picture);
    return found == pictures.end() ? nullptr : &found->second;
}

QIcon DecodeIcon(std::span<const unsigned char> ico)
{
    QIcon icon;
    ReadIcoImages(ico, [&](const QImage& image) { icon.addPixmap(QPixmap::fromImage(image)); });
    return icon;
}
