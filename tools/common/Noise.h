#pragma once
// A small fixed random generator and smooth value noise for the textured pictures, so a
// rerun of a generator gives the same bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

struct Lcg {
    std::uint32_t s;
    double next() // 0 <= x < 1
    {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
};

// Random values on a coarse grid, blended with a smoothstep; wraps around.
class ValueNoise {
public:
    ValueNoise(int cells, std::uint32_t seed) : n_(cells), v_(std::size_t(cells * cells))
    {
        Lcg r{seed};
        for (double& x : v_)
            x = r.next();
    }
    // u, v in cells.
    double at(double u, double v) const
    {
        const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
        const double fx = u - x0, fy = v - y0;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        auto g = [&](int x, int y) { return v_[std::size_t(((y % n_ + n_) % n_) * n_ + (x % n_ + n_) % n_)]; };
        const double a = g(x0, y0) + (g(x0 + 1, y0) - g(x0, y0)) * sx;
        const double b = g(x0, y0 + 1) + (g(x0 + 1, y0 + 1) - g(x0, y0 + 1)) * sx;
        return a + (b - a) * sy;
    }
    // Several octaves, each twice as fine and half as strong, normalised to 0..1.
    double fbm(double u, double v, int octaves) const
    {
        double sum = 0, amp = 0.5, norm = 0;
        for (int o = 0; o < octaves; ++o) {
            sum += amp * at(u, v);
            norm += amp;
            u *= 2.03;
            v *= 2.03;
            amp *= 0.5;
        }
        return sum / norm;
    }

private:
    int n_;
    std::vector<double> v_;
};

} // namespace tools
