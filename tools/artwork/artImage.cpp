// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artImage.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QtEndian>

#include <array>
#include <cmath>

namespace artImage {

namespace {

quint32 crc32(const QByteArray& bytes) {
    static const auto table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    quint32 crc = 0xffffffffu;
    for (char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

void pngChunk(QByteArray& png, const char* type, const QByteArray& data) {
    char number[4];
    qToBigEndian<quint32>(data.size(), number);
    png.append(number, 4);
    const QByteArray typed = QByteArray(type, 4) + data;
    png.append(typed);
    qToBigEndian<quint32>(crc32(typed), number);
    png.append(number, 4);
}

QVector<int> alphaPlane(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QVector<int> plane(argb.width() * argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            plane[y * argb.width() + x] = qAlpha(line[x]);
    }
    return plane;
}

// One box pass along rows (step 1) or columns (step = width); values outside count as zero.
QVector<int> boxPass(const QVector<int>& plane, int width, int height, int radius, bool alongRows) {
    QVector<int> out(plane.size());
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    const int span = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        auto index = [&](int i) { return alongRows ? line * width + i : i * width + line; };
        for (int i = 0; i < length; ++i) {
            int sum = 0;
            for (int k = i - radius; k <= i + radius; ++k)
                if (k >= 0 && k < length)
                    sum += plane[index(k)];
            out[index(i)] = (sum + span / 2) / span;
        }
    }
    return out;
}

bool isOpaque(const QImage& image) {
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

} // namespace

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void useLogicalPixels(QPainter& painter, int scale) {
    // Left untouched at scale 1, so the plain pictures stay exactly as they were drawn before.
    if (scale != 1)
        painter.scale(scale, scale);
}

QImage rotated(const QImage& image, int quarterTurns) {
    const int turns = ((quarterTurns % 4) + 4) % 4;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width();
    const int h = source.height();
    QImage out = turns % 2 ? canvas(h, w) : canvas(w, h);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            QPoint to(x, y);
            if (turns == 1)
                to = QPoint(h - 1 - y, x);
            else if (turns == 2)
                to = QPoint(w - 1 - x, h - 1 - y);
            else if (turns == 3)
                to = QPoint(y, w - 1 - x);
            reinterpret_cast<QRgb*>(out.scanLine(to.y()))[to.x()] = line[x];
        }
    }
    return out;
}

QImage blurredAlpha(const QImage& image, int radius) {
    const int w = image.width();
    const int h = image.height();
    QVector<int> plane = alphaPlane(image);
    for (int pass = 0; pass < 2 && radius > 0; ++pass) {
        plane = boxPass(plane, w, h, radius, true);
        plane = boxPass(plane, w, h, radius, false);
    }
    QImage out = canvas(w, h);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgba(0, 0, 0, plane[y * w + x]);
    }
    return out;
}

QImage withShadow(const QImage& image, QPoint offset, int radius, int opacity) {
    QImage out = canvas(image.width(), image.height());
    QPainter painter(&out);
    painter.setOpacity(opacity / 255.0);
    painter.drawImage(offset, blurredAlpha(image, radius));
    painter.setOpacity(1.0);
    painter.drawImage(0, 0, image);
    return out;
}

void drawWrapped(QPainter& painter, int size, const std::function<void()>& draw) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * size, dy * size);
            draw();
            painter.restore();
        }
    }
}

QColor mix(const QColor& a, const QColor& b, double t) {
    const double s = 1.0 - t;
    return QColor::fromRgbF(
        float(a.redF() * s + b.redF() * t), float(a.greenF() * s + b.greenF() * t),
        float(a.blueF() * s + b.blueF() * t), float(a.alphaF() * s + b.alphaF() * t));
}

QColor scaled(const QColor& color, double factor) {
    auto channel = [factor](int value) { return qBound(0, int(std::lround(value * factor)), 255); };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()),
                  color.alpha());
}

bool save(const QImage& image, const QString& path) {
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QImageWriter writer(path, jpeg ? "jpeg" : "png");
    if (jpeg) {
        writer.setQuality(90);
        writer.setOptimizedWrite(true);
        return writer.write(image.convertToFormat(QImage::Format_RGB32));
    }
    // For PNG the writer maps quality 0 to the strongest zlib compression.
    writer.setQuality(0);
    const bool opaque = isOpaque(image);
    return writer.write(
        image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32));
}

bool saveUncompressed(const QImage& image, const QString& path) {
    const bool opaque = isOpaque(image);
    const QImage pixels =
        image.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
    const qsizetype rowBytes = qsizetype(pixels.width()) * (opaque ? 3 : 4);
    QByteArray rows;
    for (int y = 0; y < pixels.height(); ++y) {
        rows.append('\0'); // filter type None
        rows.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
    }
    // qCompress writes the zlib stream after four bytes of its own length; level 0 stores it.
    const QByteArray stream = qCompress(rows, 0).mid(4);

    QByteArray header(13, '\0');
    qToBigEndian<quint32>(pixels.width(), header.data());
    qToBigEndian<quint32>(pixels.height(), header.data() + 4);
    header[8] = 8;              // bits per channel
    header[9] = opaque ? 2 : 6; // RGB or RGBA
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    pngChunk(png, "IHDR", header);
    pngChunk(png, "IDAT", stream);
    pngChunk(png, "IEND", QByteArray());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

} // namespace artImage
