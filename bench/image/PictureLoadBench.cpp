// Time and memory of loading a new game's picture. Memory is the growth of
// the process's peak resident set over one benchmark, read from /proc.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "StreamingJpeg.h"
#include "platform/image/PictureLoader.h"

namespace {

using qx::test::JpegScans;

// A photo-like gradient with detail, so the encoder has real work to do.
void paintGradient(int y, unsigned char* rgb, int width) {
    for (int x = 0; x < width; ++x) {
        rgb[3 * x] = static_cast<unsigned char>((x * 7 + y) & 0xFF);
        rgb[3 * x + 1] = static_cast<unsigned char>((y * 3) & 0xFF);
        rgb[3 * x + 2] = static_cast<unsigned char>(((x ^ y) >> 2) & 0xFF);
    }
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString jpegOf(int width, int height, JpegScans scans = JpegScans::Baseline) {
    const QString path = folder().filePath(
        QStringLiteral("%1x%2-%3.jpg")
            .arg(width)
            .arg(height)
            .arg(scans == JpegScans::Baseline ? QLatin1Char('b') : QLatin1Char('p')));
    if (!QFile::exists(path))
        qx::test::writeStreamingJpeg(path, width, height, paintGradient, scans);
    return path;
}

QString pngOf(int width, int height) {
    const QString path = folder().filePath(QStringLiteral("%1x%2.png").arg(width).arg(height));
    if (!QFile::exists(path)) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(0);
        for (int y = 0; y < height; ++y) {
            paintGradient(y, image.scanLine(y), width);  // bytes only matter as content
        }
        QImageWriter(path, "png").write(image);
    }
    return path;
}

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    }
    return 0;
}

void resetPeakResidentSet() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void loadRepeatedly(benchmark::State& state, const QString& path) {
    resetPeakResidentSet();
    const long before = statusKilobytes("VmRSS:");
    for (auto _ : state) {
        qx::LoadedPicture picture = qx::LoadPicture(path);
        if (picture.status != qx::PictureLoadStatus::Loaded) state.SkipWithError("not loaded");
        benchmark::DoNotOptimize(picture);
    }
    state.counters["peak_MB"] = double(statusKilobytes("VmHWM:") - before) / 1024.0;
}

void BM_LoadJpeg632x355(benchmark::State& state) {
    loadRepeatedly(state, jpegOf(632, 355));
}
void BM_LoadJpeg12MP(benchmark::State& state) {
    loadRepeatedly(state, jpegOf(4000, 3000));
}
void BM_LoadJpeg100MP(benchmark::State& state) {
    loadRepeatedly(state, jpegOf(12000, 8400));
}
void BM_LoadProgressiveJpeg24MP(benchmark::State& state) {
    loadRepeatedly(state, jpegOf(6000, 4000, JpegScans::Progressive));
}
// The same progressive photo read the way the game read it before: corner
// and hint each from the file, every scan decoded twice.
void BM_LoadProgressiveJpeg24MPTwoPass(benchmark::State& state) {
    qx::PictureLoadOptions options;
    options.onePassJpeg = false;
    const QString path = jpegOf(6000, 4000, JpegScans::Progressive);
    for (auto _ : state) {
        qx::LoadedPicture picture = qx::LoadPicture(path, options);
        if (picture.status != qx::PictureLoadStatus::Loaded) state.SkipWithError("not loaded");
        benchmark::DoNotOptimize(picture);
    }
}
// The reference: Qt decoding the whole progressive photo at full size.
void BM_QtFullDecodeProgressiveJpeg24MP(benchmark::State& state) {
    const QString path = jpegOf(6000, 4000, JpegScans::Progressive);
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        QImageReader reader(path);
        QImage image = reader.read();
        if (image.isNull()) state.SkipWithError("not decoded");
        benchmark::DoNotOptimize(image);
    }
}

void BM_LoadPng24MP(benchmark::State& state) {
    loadRepeatedly(state, pngOf(6000, 4000));
}

BENCHMARK(BM_LoadJpeg632x355)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadJpeg12MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadJpeg100MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProgressiveJpeg24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProgressiveJpeg24MPTwoPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtFullDecodeProgressiveJpeg24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPng24MP)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
