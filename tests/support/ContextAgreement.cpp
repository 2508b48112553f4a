#include "ContextAgreement.h"

#include "GLFrame.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

namespace {

template <std::size_t... I>
int FirstDiffering(const ViewState& a, const ViewState& b, std::index_sequence<I...>)
{
    const auto x = a.Tie(), y = b.Tie();
    int first = -1;
    ((first < 0 && std::get<I>(x) != std::get<I>(y) ? void(first = int(I)) : void()), ...);
    return first;
}

struct Report
{
    std::ostringstream text;
    Report() { text.precision(17); }   // the digits the bounds are about
    void Check(bool near, const char* name, double seen, double expected)
    {
        if (!near)
            text << name << " read " << seen << ", recorded " << expected << "; ";
    }
    // Within tolerance of scale, by default the larger of the two.
    void Near(const char* name, double seen, double expected, double tolerance, double scale = -1)
    {
        scale = scale < 0 ? std::max(std::fabs(seen), std::fabs(expected)) : scale;
        Check(std::fabs(seen - expected) <= tolerance * scale, name, seen, expected);
    }
    void NearAngle(const char* name, double seen, double expected)
    {
        Check(std::fabs(std::remainder(seen - expected, 360.0)) <= kAngleTolerance, name, seen, expected);
    }
};

void CheckProjection(Report& out, const ViewState& read, const ViewState& record)
{
    if (read.perspective != record.perspective)
        return;   // told below, with the exact fields
    if (record.perspective) {
        const char* names[3] = {"fovy", "zNear", "zFar"};
        for (int i = 0; i < 3; ++i)
            out.Near(names[i], read.frustum[i], record.frustum[i], kProjectionTolerance);
        out.Near("aspect", read.aspect, record.aspect, kProjectionTolerance);
        return;
    }
    double extent = 0;
    for (double v : record.ortho)
        extent = std::max(extent, std::fabs(v));
    const char* names[6] = {"left", "right", "bottom", "top", "near", "far"};
    for (int i = 0; i < 6; ++i)
        out.Near(names[i], read.ortho[i], record.ortho[i], kProjectionTolerance, extent);
}

}

testing::AssertionResult AgreesWithContext(const ViewState& record)
{
    ViewState read = glframe::ReadContextState(record);
    Report out;
    out.NearAngle("angleX", read.angleX, record.angleX);
    out.NearAngle("angleY", read.angleY, record.angleY);
    out.Near("scaleX", read.scaleX, record.scaleX, kSizeTolerance);
    out.Near("scaleY", read.scaleY, record.scaleY, kSizeTolerance);
    out.Near("scaleZ", read.scaleZ, record.scaleZ, kSizeTolerance);
    CheckProjection(out, read, record);
    // What was compared within bounds (or is not in the context: the other
    // projection's numbers) is taken as the record's; the rest must be equal.
    read.angleX = record.angleX, read.angleY = record.angleY;
    read.scaleX = record.scaleX, read.scaleY = record.scaleY, read.scaleZ = record.scaleZ;
    read.ortho = record.ortho, read.frustum = record.frustum;
    if (read.perspective && record.perspective)
        read.aspect = record.aspect;
    const auto fields = std::make_index_sequence<std::tuple_size_v<decltype(record.Tie())>>();
    if (const int field = FirstDiffering(read, record, fields); field >= 0)
        out.text << "field " << field << " of ViewState::Fields differs";
    if (out.text.str().empty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << out.text.str();
}
