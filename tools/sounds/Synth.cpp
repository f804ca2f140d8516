#include "tools/sounds/Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace sounds {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

// Reproducible white noise in -1..1.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Two-pole resonant band-pass (RBJ cookbook, constant peak gain).
class BandPass {
public:
    void tune(double centre, double q, double rate) {
        const double w = kTau * centre / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double run(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Raised-cosine fades so the clip starts and ends on silence without a click.
void fadeEnds(std::vector<double>& s, std::size_t in, std::size_t out) {
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < std::min(in, n); ++i) {
        s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
    }
    for (std::size_t i = 0; i < std::min(out, n); ++i) {
        s[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / out);
    }
}

void normalise(std::vector<double>& s, double peak) {
    double max = 0;
    for (double v : s) max = std::max(max, std::abs(v));
    if (max > 0) {
        for (double& v : s) v *= peak / max;
    }
}

std::size_t ms(double milliseconds, double rate) {
    return static_cast<std::size_t>(milliseconds * rate / 1000.0);
}

}  // namespace

std::vector<double> woodenClick(std::size_t frames, double rate) {
    // Wood: a few inharmonic modes that die within milliseconds, struck by a
    // short burst of noise.
    std::vector<double> s(frames);
    Noise noise(7);
    const double modes[3][3] = {{820, 1.0, 0.010}, {1930, 0.55, 0.006}, {3150, 0.25, 0.003}};
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = i / rate;
        double v = 0;
        for (const auto& m : modes) v += m[1] * std::sin(kTau * m[0] * t) * std::exp(-t / m[2]);
        v += 0.35 * noise.next() * std::exp(-t / 0.0012);
        s[i] = v;
    }
    normalise(s, 0.85);
    fadeEnds(s, ms(0.8, rate), ms(8, rate));
    return s;
}

std::vector<double> turnSwish(std::size_t frames, double rate) {
    // Air through a narrowing gap: band-passed noise sweeping upwards, then
    // a small tick as the piece settles.
    std::vector<double> s(frames);
    Noise noise(11);
    BandPass band;
    const double length = frames / rate;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = i / rate;
        const double x = t / length;
        band.tune(900.0 * std::pow(5.5, x), 2.2, rate);
        const double swell = std::sin(std::numbers::pi * std::min(1.0, x * 1.25));
        double v = band.run(noise.next()) * swell * swell;
        const double tickAt = 0.74 * length;
        if (t >= tickAt) {
            const double u = t - tickAt;
            v += 0.5 * std::sin(kTau * 2600 * u) * std::exp(-u / 0.0025);
        }
        s[i] = v;
    }
    normalise(s, 0.7);
    fadeEnds(s, ms(3, rate), ms(6, rate));
    return s;
}

std::vector<double> fanfare(std::size_t frames, double rate) {
    // A bright brass-like arpeggio (C E G C) landing on a held C major chord
    // with a gentle vibrato.
    std::vector<double> s(frames, 0.0);
    struct Note {
        double start, length, freq, level;
    };
    const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.5;
    const Note notes[] = {
        {0.00, 0.16, c5, 0.8},  {0.12, 0.16, e5, 0.8}, {0.24, 0.16, g5, 0.8},
        {0.36, 1.37, c6, 0.75}, {0.36, 1.37, g5, 0.5}, {0.36, 1.37, e5, 0.45},
        {0.36, 1.37, c5, 0.45},
    };
    for (const Note& n : notes) {
        const std::size_t begin = static_cast<std::size_t>(n.start * rate);
        const std::size_t count = static_cast<std::size_t>(n.length * rate);
        double phase = 0;
        for (std::size_t k = 0; k < count && begin + k < frames; ++k) {
            const double t = k / rate;
            const double vibrato = 1.0 + 0.004 * std::sin(kTau * 5.5 * t) * std::min(1.0, t / 0.3);
            phase += kTau * n.freq * vibrato / rate;
            // Harmonics fade in after the attack, as a horn brightens.
            const double bright = std::min(1.0, t / 0.04);
            double v = 0;
            for (int h = 1; h <= 5; ++h) {
                if (n.freq * h >= rate / 2) break;
                const double level = h == 1 ? 1.0 : bright * 0.6 / h;
                v += level * std::sin(phase * h);
            }
            const double attack = std::min(1.0, t / 0.012);
            const double release = std::min(1.0, (n.length - t) / 0.05);
            const double decay = n.length > 1.0 ? std::exp(-t / 0.9) : std::exp(-t / 0.25);
            s[begin + k] += n.level * v * attack * release * decay;
        }
    }
    normalise(s, 0.8);
    fadeEnds(s, ms(2, rate), ms(60, rate));
    return s;
}

std::vector<double> shuffleRustle(std::size_t frames, double rate) {
    // Pieces sliding over each other: a run of short, softened noise grains.
    std::vector<double> s(frames, 0.0);
    Noise noise(23);
    Noise timing(5);
    BandPass band;
    band.tune(2400, 0.9, rate);
    double at = 0.004;
    const double length = frames / rate;
    while (at < length - 0.03) {
        const std::size_t begin = static_cast<std::size_t>(at * rate);
        const double level = 0.55 + 0.45 * std::abs(timing.next());
        const double grain = 0.018 + 0.012 * std::abs(timing.next());
        for (std::size_t k = 0;
             begin + k < frames && k < static_cast<std::size_t>(grain * rate * 2); ++k) {
            const double t = k / rate;
            const double env = (t / 0.002 < 1 ? t / 0.002 : 1.0) * std::exp(-t / (grain * 0.45));
            s[begin + k] += level * env * noise.next();
        }
        at += 0.022 + 0.02 * std::abs(timing.next());
    }
    for (double& v : s) v = band.run(v);
    normalise(s, 0.8);
    fadeEnds(s, ms(2, rate), ms(25, rate));
    return s;
}

std::vector<double> slideThump(std::size_t frames, double rate) {
    // The board slides (a short falling noise) and lands (a low, damped thump).
    std::vector<double> s(frames);
    Noise noise(31);
    BandPass band;
    double phase = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = i / rate;
        band.tune(3000.0 - 16000.0 * std::min(t, 0.12), 1.5, rate);
        const double slide = band.run(noise.next()) * 0.35 * std::exp(-t / 0.02);
        const double landing = t - 0.012;
        double thump = 0;
        if (landing > 0) {
            // Low enough to feel like weight, high enough for small speakers.
            const double freq = 110.0 + 170.0 * std::exp(-landing / 0.015);
            phase += kTau * freq / rate;
            thump = (std::sin(phase) + 0.3 * std::sin(2 * phase)) * std::min(1.0, landing / 0.002) *
                    std::exp(-landing / 0.03);
        }
        s[i] = slide + thump;
    }
    normalise(s, 0.9);
    fadeEnds(s, ms(1, rate), ms(15, rate));
    return s;
}

}  // namespace sounds
