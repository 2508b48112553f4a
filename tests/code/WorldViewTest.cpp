// The outside view's numbers without a display: the view volume against the
// projection it comes from, its planes, the lamps' markers and the fog's marks.
#include "SceneGeometry.h"
#include "WorldView.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

// The normalised cube's corners in VolumeCorners' order.
Vec3 CubeCorner(int i)
{
    const double xs[4] = {-1, 1, 1, -1}, ys[4] = {-1, -1, 1, 1};
    return {xs[i % 4], ys[i % 4], i < 4 ? -1.0 : 1.0};
}

Vec3 Unprojected(const Mat4& inverse, Vec3 ndc)
{
    const Vec4 h = inverse * Vec4{ndc.x, ndc.y, ndc.z, 1};
    return (1 / h.w) * XYZ(h);
}

double Side(const std::array<double, 4>& plane, Vec3 v)
{
    return plane[0] * v.x + plane[1] * v.y + plane[2] * v.z + plane[3];
}

ViewState RandomProjection(std::mt19937& random, bool perspective)
{
    std::uniform_real_distribution<double> u(0, 1);
    ViewState s;
    s.perspective = perspective;
    s.aspect = 0.3 + 3 * u(random);
    const double zNear = 0.05 + 20 * u(random);
    s.frustum = {5 + 170 * u(random), zNear, zNear * (1.01 + 50 * u(random))};
    for (int i = 0; i < 6; i += 2) {
        s.ortho[i] = -30 + 40 * u(random);
        s.ortho[i + 1] = s.ortho[i] + 0.1 + 40 * u(random);
    }
    if (u(random) < 0.3)
        std::swap(s.ortho[4], s.ortho[5]);   // glOrtho takes a reversed depth too
    return s;
}

}

TEST(WorldViewTest, TheVolumesCornersAreTheInverseProjectionOfTheNormalisedCubesCorners)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        const ViewState s = RandomProjection(random, round % 2);
        const Mat4 inverse = Inverse(ProjectionMatrix(s));
        const auto corners = VolumeCorners(s);
        for (int i = 0; i < 8; ++i) {
            const Vec3 want = Unprojected(inverse, CubeCorner(i));
            const double tolerance = 1e-9 * (1 + Length(want));
            EXPECT_NEAR(Length(corners[i] - want), 0, tolerance)
                << "round " << round << " corner " << i << (s.perspective ? " perspective" : " box");
        }
    }
}

TEST(WorldViewTest, EachPlaneKeepsTheVolumeAndCutsWhatLiesPastItsFace)
{
    std::mt19937 random(7);
    for (int round = 0; round < 100; ++round) {
        const ViewState s = RandomProjection(random, round % 2);
        const auto planes = VolumePlanes(s);
        const auto corners = VolumeCorners(s);
        Vec3 centre;
        for (const Vec3& c : corners)
            centre = centre + 0.125 * c;
        // Left, right, bottom, top, near, far: a face's middle pushed outwards.
        const int faces[6][4] = {{0, 3, 4, 7}, {1, 2, 5, 6}, {0, 1, 4, 5}, {2, 3, 6, 7}, {0, 1, 2, 3}, {4, 5, 6, 7}};
        for (int p = 0; p < 6; ++p) {
            EXPECT_GT(Side(planes[p], centre), 0) << "round " << round << " plane " << p;
            Vec3 middle;
            for (int k : faces[p])
                middle = middle + 0.25 * corners[k];
            const Vec3 outside = middle + 0.01 * (middle - centre);
            EXPECT_LT(Side(planes[p], outside), 0) << "round " << round << " plane " << p;
            for (int q = 0; q < 6; ++q) {
                if (q != p) {
                    EXPECT_GT(Side(planes[q], outside), 0) << "round " << round << " plane " << p << " by " << q;
                }
            }
        }
    }
}

TEST(WorldViewTest, LampsAreMarkedWhereTheRecordPutsThemAndDimmedWhenOff)
{
    ViewState s = LitState(false);
    EXPECT_TRUE(LampMarkers(ViewState()).empty()) << "the lines page lights nothing";
    s.lamp = {true, false, true};
    s.lampPosition[0] = {3, 4, -2, 1};
    s.lampPosition[1] = {2, 4, 6, 2};   // a point with w 2 stands at half its numbers
    s.lampPosition[2] = {0, 1, 0, 0};   // a direction: marked above the cube
    const auto m = LampMarkers(s);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(std::make_tuple(m[0].position.x, m[0].position.y, m[0].position.z), std::make_tuple(3.0, 4.0, -2.0));
    EXPECT_EQ(std::make_tuple(m[1].position.x, m[1].position.y, m[1].position.z), std::make_tuple(1.0, 2.0, 3.0));
    EXPECT_TRUE(m[2].direction);
    EXPECT_GT(m[2].position.y, 5);
    EXPECT_EQ(m[2].position.x, 0);
    EXPECT_EQ(m[0].colour[0], 1.0);
    EXPECT_LT(m[1].colour[1], 0.5) << "the green lamp is off";
    EXPECT_EQ(LampMarkers(LitState(true)).size(), 4u) << "the texture page's white lamp";
}

TEST(WorldViewTest, TheFogsMarksStandWhereItsShareFallsToAHalfAndATenth)
{
    ViewState s;
    s.fog = true;
    s.fogDensity = 0.35f;
    const FogBand f = FogBandOf(s);
    ASSERT_TRUE(f.shown);
    EXPECT_NEAR(FogFactor(f.density, f.half), 0.5, 1e-12);
    EXPECT_NEAR(FogFactor(f.density, f.tenth), 0.1, 1e-12);
    EXPECT_GT(f.length, f.tenth);
    s.fog = false;
    EXPECT_FALSE(FogBandOf(s).shown);
}
