// The model through nec2c against physics that no formula of the
// calculator's produces.
#include "sim/Model.h"
#include "sim/Nec2cRunner.h"
#include "sim/NecOutput.h"
#include "sim/DeckRules.h"
#include "sim/SimTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace yq::sim {
namespace {

std::vector<NecFrequency> simulate(const DesignRecord& design, const DeckRequest& request) {
    const std::string deck = standardDeck(design, request);
    auto out = runNec2c(deck, {});
    EXPECT_TRUE(out.ok()) << out.problem().text();
    if (!out) return {};
    auto parsed = parseNecOutput(*out, readDeck(deck)->frequenciesHz);
    EXPECT_TRUE(parsed.ok()) << parsed.problem().text();
    return parsed ? *parsed : std::vector<NecFrequency>{};
}

// The capacitance between two coaxial tubes (length `length`, radius
// `radius`, a gap `gap` between them, open ends), one at +1/2 V and the
// other at -1/2 V, by the charge on bands of the tube walls: the exact
// potential of a ring of charge (a complete elliptic integral), the band's
// own potential from the logarithmic limit of that kernel, and the bands
// crowded towards the tubes' ends.
double electrostaticCapacitance(double length, double radius, double gap, int bandsPerTube) {
    constexpr double eps0 = 8.8541878128e-12;
    const double pi = std::numbers::pi;
    const int n = bandsPerTube, count = 2 * n;
    std::vector<double> centre(count), width(count);
    for (int i = 0; i < n; ++i) {
        const double t0 = 0.5 - 0.5 * std::cos(pi * i / n), t1 = 0.5 - 0.5 * std::cos(pi * (i + 1) / n);
        const double z0 = gap / 2 + length * t0, z1 = gap / 2 + length * t1;
        centre[i] = (z0 + z1) / 2, width[i] = z1 - z0;
        centre[count - 1 - i] = -centre[i], width[count - 1 - i] = width[i];
    }
    auto ring = [&](double dz) {  // potential on the wall at axial distance dz from a ring of 1 C
        const double d = std::sqrt(4 * radius * radius + dz * dz);
        return 1 / (4 * pi * eps0) * (2 / pi) * std::comp_ellint_1(2 * radius / d) / d;
    };
    std::vector<double> a(count * count), b(count);
    for (int i = 0; i < count; ++i) {
        b[i] = centre[i] > 0 ? 0.5 : -0.5;
        for (int j = 0; j < count; ++j) {
            double v = 0;
            if (i == j) {
                v = 1 / (4 * pi * eps0) / (pi * radius) * (std::log(16 * radius / width[j]) + 1);
            } else {
                for (int k = 0; k < 8; ++k)
                    v += ring(centre[i] - (centre[j] - width[j] / 2 + width[j] * (k + 0.5) / 8)) / 8;
            }
            a[i * count + j] = v;
        }
    }
    // Gaussian elimination with partial pivoting.
    for (int c = 0; c < count; ++c) {
        int p = c;
        for (int r = c + 1; r < count; ++r)
            if (std::abs(a[r * count + c]) > std::abs(a[p * count + c])) p = r;
        for (int k = 0; k < count; ++k) std::swap(a[c * count + k], a[p * count + k]);
        std::swap(b[c], b[p]);
        for (int r = c + 1; r < count; ++r) {
            const double f = a[r * count + c] / a[c * count + c];
            for (int k = c; k < count; ++k) a[r * count + k] -= f * a[c * count + k];
            b[r] -= f * b[c];
        }
    }
    std::vector<double> q(count);
    for (int r = count - 1; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < count; ++k) s -= a[r * count + k] * q[k];
        q[r] = s / a[r * count + r];
    }
    double charge = 0;
    for (int i = 0; i < count; ++i)
        if (centre[i] > 0) charge += q[i];
    return charge;  // coulombs for 1 V between the tubes
}

TEST(ModelPhysics, TheElectrostaticEstimateConverges) {
    // Twice the bands change it by under 1 %; far apart, the pair is two
    // tubes in series, each at half of its own capacitance.
    const double c40 = electrostaticCapacitance(0.3048, 0.0254, 0.0508, 40);
    EXPECT_NEAR(c40 / electrostaticCapacitance(0.3048, 0.0254, 0.0508, 80), 1, 0.01);
    EXPECT_LT(electrostaticCapacitance(0.3048, 0.0254, 3.0, 40), c40);
}

TEST(ModelPhysics, TheBareTubesCapacitanceIsThatOfTheirElectrostaticEstimate) {
    YQ_NEEDS_NEC2C();
    for (const DesignRecord& design : {test::forty(), test::twenty()}) {
        const StandardGeometry g = standardGeometry(design);
        DeckRequest bare;
        const double hz = 0.1 * design.F.value().toReal() * 1e6;  // far below any resonance
        bare.sweep = {hz, 0, 1};
        bare.unloaded = true;
        bare.lossless = true;
        const auto out = simulate(design, bare);
        ASSERT_EQ(out.size(), 1u);
        const double modelC = -1 / (2 * std::numbers::pi * hz * out[0].z.imag());
        const double estimate = electrostaticCapacitance(g.tubeLengthM, g.tubeRadiusM, g.gapM, 80);
        EXPECT_NEAR(modelC / estimate, 1, 0.10) << "model " << modelC * 1e12 << " pF, estimate " << estimate * 1e12;
    }
}

TEST(ModelPhysics, WithLosslessConductorsTheAverageGainIsOneAndBroadsideThatOfAShortDipole) {
    YQ_NEEDS_NEC2C();
    const DesignRecord design = test::forty();
    DeckRequest lossless;
    lossless.sweep = {12.7651e6, 0, 1};  // near the loaded model's resonance
    lossless.lossless = true;
    lossless.pattern = true;
    const auto out = simulate(design, lossless);
    ASSERT_EQ(out.size(), 1u);
    ASSERT_TRUE(out[0].averageGain);
    EXPECT_NEAR(*out[0].averageGain, 1.0, 0.02);
    double broadside = -1000;
    for (const PatternRow& row : out[0].pattern)
        if (row.thetaDeg == 90 && row.phiDeg == 0) broadside = row.totalDb;
    EXPECT_NEAR(broadside, 10 * std::log10(1.5), 0.1);
}

}  // namespace
}  // namespace yq::sim
