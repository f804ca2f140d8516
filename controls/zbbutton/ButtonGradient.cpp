#include "controls/zbbutton/ButtonGradient.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiSurface.h"

namespace qx {

namespace {

struct Components {
    double r, g, b;
};

// Green and blue read with /255 and /65280, which lifts them by up to one
// step; Int() later takes it back for all but the brightest values.
Components scaledComponents(RgbColor c) {
    return {static_cast<double>(c & 0xFF), static_cast<double>(c & 0xFF00) / 255.0,
            static_cast<double>(c & 0xFF0000) / 65280.0};
}

}  // namespace

std::vector<RgbColor> BuildGradient(int steps, RgbColor from, RgbColor to) {
    std::vector<RgbColor> table;
    table.reserve(static_cast<std::size_t>(std::max(steps, 0)) + 1);
    table.push_back(from);
    if (steps <= 0) return table;  // no bands: nothing to step through, and no division by 0
    Components run = scaledComponents(from);
    const Components startScaled = run;
    const Components endScaled = scaledComponents(to);
    const Components end{endScaled.r, std::nearbyint(endScaled.g), std::nearbyint(endScaled.b)};
    const Components step{(end.r - startScaled.r) / steps, (end.g - startScaled.g) / steps,
                          (end.b - startScaled.b) / steps};
    const auto component = [](double v) {
        // Int() of the running value; the epsilon keeps a value that lands on a
        // whole number by repeated steps from reading as the one below.
        return static_cast<RgbColor>(std::floor(std::clamp(v, 0.0, 255.0) + 1e-7));
    };
    for (int k = 1; k < steps; ++k) {
        run.r = std::clamp(run.r + step.r, 0.0, 255.0);
        run.g = std::clamp(run.g + step.g, 0.0, 255.0);
        run.b = std::clamp(run.b + step.b, 0.0, 255.0);
        table.push_back(component(run.g) * 256 + component(run.r) + component(run.b) * 65536);
    }
    // The scaled reading would end a step off in green or blue; the last band
    // is the end colour itself, as the first is the start colour.
    table.push_back(to);
    return table;
}

std::vector<GradientBand> GradientBands(long gradientMode, int width, int height, int screenExtent,
                                        RgbColor from, RgbColor to) {
    if (gradientMode < kGradientLeftToRight || gradientMode > kGradientBottomToTop) return {};
    if (width <= 0 || height <= 0) return {};
    const bool horizontal = gradientMode <= kGradientRightToLeft;
    const int length = horizontal ? width : height;
    const int bandSize = screenExtent / length > 3 ? 1 : 2;
    const int count = (length + bandSize - 1) / bandSize;
    const std::vector<RgbColor> table = BuildGradient(count, from, to);
    // Odd modes start with `from`, even modes are their mirror and start with `to`.
    const bool reversed = gradientMode % 2 == 0;

    std::vector<GradientBand> bands;
    bands.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int start = i * bandSize;
        const int stop = std::min(start + bandSize, length);
        const GdiRect rect =
            horizontal ? GdiRect{start, 0, stop, height} : GdiRect{0, start, width, stop};
        bands.push_back({rect, table[static_cast<std::size_t>(reversed ? count - i : i)]});
    }
    return bands;
}

}  // namespace qx

namespace qx {

void GradientFill(GdiSurface& surface, long gradientMode, QSize screen, RgbColor from,
                  RgbColor to) {
    const bool horizontal = gradientMode <= kGradientRightToLeft;
    const int extent = horizontal ? screen.width() : screen.height();
    for (const GradientBand& band :
         GradientBands(gradientMode, surface.width(), surface.height(), extent, from, to))
        surface.FillRect(band.rect, static_cast<ColorRef>(band.color));
}

}  // namespace qx
