// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Loading nine image-list files of 1,000 icons each, against the fair peer
// that does the same work: one PNG sheet per size, decoded and cut into its
// icons (and, for scale, the same images as 9,000 separate PNG files).
#include "external/Tool_image_basics.h"
#include "toolkit/ImgList.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kIcons = 1000;
constexpr int kSheetColumns = 40; // a sheet of 40 x 25 icons

QImage Icon(int size, int i)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor::fromHsv((i * 37) % 360, 160 + i % 90, 200));
    p.setPen(QPen(Qt::black, std::max(1, size / 16)));
    p.drawEllipse(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
    p.drawLine(QPointF(0, (i * 7) % size), QPointF(size, size - (i * 3) % size));
    return img;
}

// The nine files and the same images as PNG files, made once.
const QString& Folder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        for (int size : qz8::ImageDimensionSizes) {
            qz8::TImageList list;
            list.setObjectName(QStringLiteral("ImageList%1").arg(size));
            list.SetSize(size, size);
            QDir().mkpath(dir.filePath(QStringLiteral("png%1").arg(size)));
            QImage sheet(size * kSheetColumns, size * (kIcons / kSheetColumns), QImage::Format_ARGB32);
            sheet.fill(Qt::transparent);
            QPainter onSheet(&sheet);
            for (int i = 0; i < kIcons; ++i) {
                const QImage img = Icon(size, i);
                list.Add(img);
                img.save(dir.filePath(QStringLiteral("png%1/%2.png").arg(size).arg(i)));
                onSheet.drawImage((i % kSheetColumns) * size, (i / kSheetColumns) * size, img);
            }
            onSheet.end();
            sheet.save(dir.filePath(QStringLiteral("sheet%1.png").arg(size)));
            list.SaveToFile(dir.filePath(QStringLiteral("ImageListMain%1.res").arg(size)));
        }
        return true;
    }();
    (void)made;
    static const QString path = dir.path();
    return path;
}

void BM_LoadNineImageListFiles(benchmark::State& state)
{
    const QString folder = Folder();
    for (auto _ : state) {
        qsizetype images = 0;
        for (int size : qz8::ImageDimensionSizes) {
            qz8::TImageList list;
            list.LoadFromFile(folder + QStringLiteral("/ImageListMain%1.res").arg(size));
            images += list.Count();
        }
        benchmark::DoNotOptimize(images);
    }
}
BENCHMARK(BM_LoadNineImageListFiles)->Unit(benchmark::kMillisecond);

void BM_DecodeOnePngSheetPerSize(benchmark::State& state)
{
    const QString folder = Folder();
    for (auto _ : state) {
        qsizetype images = 0;
        for (int size : qz8::ImageDimensionSizes) {
            const QImage sheet = QImageReader(folder + QStringLiteral("/sheet%1.png").arg(size)).read();
            std::vector<QImage> icons;
            icons.reserve(kIcons);
            for (int i = 0; i < kIcons; ++i)
                icons.push_back(sheet.copy((i % kSheetColumns) * size, (i / kSheetColumns) * size, size, size));
            images += static_cast<qsizetype>(icons.size());
        }
        benchmark::DoNotOptimize(images);
    }
}
BENCHMARK(BM_DecodeOnePngSheetPerSize)->Unit(benchmark::kMillisecond);

void BM_DecodeSameImagesFromPng(benchmark::State& state)
{
    const QString folder = Folder();
    for (auto _ : state) {
        qsizetype images = 0;
        for (int size : qz8::ImageDimensionSizes) {
            for (int i = 0; i < kIcons; ++i) {
                QImageReader reader(folder + QStringLiteral("/png%1/%2.png").arg(size).arg(i));
                images += !reader.read().isNull();
            }
        }
        benchmark::DoNotOptimize(images);
    }
}
BENCHMARK(BM_DecodeSameImagesFromPng)->Unit(benchmark::kMillisecond);

} // namespace
