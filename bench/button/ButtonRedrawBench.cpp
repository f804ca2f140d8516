// One full redraw of a typical game button (85 x 37, a 32-pixel picture and
// a two-line caption) per face style: background, picture, caption, edges and
// focus into the off-screen surface. The hover state is measured too: it is
// what a pointer crossing the button repaints.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonPainters.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonSnapshot.h"

namespace {

using namespace qx;

QImage picture32() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(10, 10, 10));
    p.setBrush(QColor(80, 160, 220));
    p.drawEllipse(3, 3, 26, 26);
    return image;
}

ButtonState typicalButton(long style) {
    ButtonState s;
    s.props.ButtonStyle = style;
    s.props.Caption = QStringLiteral("NEW||GAME");
    s.props.BackColor = s.props.HoverBackColor = 0x7C96C0;
    s.props.GradientColor = 0x7C96C0;
    s.props.ForeColor = 0xFFFFFF;
    s.props.Font.name = QStringLiteral("Arial");
    s.props.Font.size = 8;
    s.props.Picture = picture32();
    s.props.ImagePixelSize = 32;
    s.Width = 85;
    s.Height = 37;
    s.StateFlags = kDefaultShown;
    s.colors = deriveColors(s.props);
    RefreshPicture(s, false);
    return s;
}

void BM_Redraw(benchmark::State& st) {
    ButtonState s = typicalButton(st.range(0));
    if (st.range(1)) {
        s.StateFlags |= kHot;
        s.IsHovering = true;
    }
    GdiSurface surface;
    drawStandaloneFace(s, surface, QSize(1280, 800));  // region, font and layout once
    RedrawContext context{s, surface, QSize(1280, 800), {}};
    for (auto _ : st) benchmark::DoNotOptimize(Redraw(context));
}
BENCHMARK(BM_Redraw)
    ->ArgNames({"style", "hover"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// Everything a resize runs: region, caption font, layout, picture and face.
void BM_ResizeAndRedraw(benchmark::State& st) {
    for (auto _ : st) {
        ButtonState s = typicalButton(st.range(0));
        GdiSurface surface;
        benchmark::DoNotOptimize(drawStandaloneFace(s, surface, QSize(1280, 800)));
    }
}
BENCHMARK(BM_ResizeAndRedraw)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
