#include "ContextAgreement.h"

#include "GLFrame.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

namespace {

bool Within(double seen, double expected, double tolerance, double scale)
{
    return std::fabs(seen - expected) <= tolerance * scale;
}

bool NearAngle(double seen, double expected)
{
    return std::fabs(std::remainder(seen - expected, 360.0)) <= kAngleTolerance;
}

bool NearRelative(double seen, double expected, double tolerance)
{
    return Within(seen, expected, tolerance, std::max(std::fabs(seen), std::fabs(expected)));
}

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
};

void CheckProjection(Report& out, const ViewState& read, const ViewState& record)
{
    if (read.perspective != record.perspective)
        return;   // told below, with the exact fields
    if (record.perspective) {
        const char* names[3] = {"fovy", "zNear", "zFar"};
        for (int i = 0; i < 3; ++i)
            out.Check(NearRelative(read.frustum[i], record.frustum[i], kProjectionTolerance), names[i],
                      read.frustum[i], record.frustum[i]);
        out.Check(NearRelative(read.aspect, record.aspect, kProjectionTolerance), "aspect", read.aspect,
                  record.aspect);
        return;
    }
    double extent = 0;
    for (double v : record.ortho)
        extent = std::max(extent, std::fabs(v));
    const char* names[6] = {"left", "right", "bottom", "top", "near", "far"};
    for (int i = 0; i < 6; ++i)
        out.Check(Within(read.ortho[i], record.ortho[i], kProjectionTolerance, extent), names[i], read.ortho[i],
                  record.ortho[i]);
}

}

testing::AssertionResult AgreesWithContext(const ViewState& record)
{
    ViewState read = glframe::ReadContextState(record);
    Report out;
    out.Check(NearAngle(read.angleX, record.angleX), "angleX", read.angleX, record.angleX);
    out.Check(NearAngle(read.angleY, record.angleY), "angleY", read.angleY, record.angleY);
    out.Check(NearRelative(read.scaleX, record.scaleX, kSizeTolerance), "scaleX", read.scaleX, record.scaleX);
    out.Check(NearRelative(read.scaleY, record.scaleY, kSizeTolerance), "scaleY", read.scaleY, record.scaleY);
    out.Check(NearRelative(read.scaleZ, record.scaleZ, kSizeTolerance), "scaleZ", read.scaleZ, record.scaleZ);
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
