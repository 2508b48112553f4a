// The lines page's window: a white wire-frame cube of smoothed lines.
#pragma once

#include "COpenGLWnd.h"

class CCubeWnd : public COpenGLWnd
{
public:
    // The lines start smoothed, as the smoothing box would set them.
    explicit CCubeWnd(wxWindow* parent) : COpenGLWnd(parent, Smoothed()) {}
    SceneKind Kind() const override { return SceneKind::WireCube; }

protected:
    void OnCreate() override;

private:
    static ViewState Smoothed()
    {
        ViewState s;
        s.lineSmoothing = s.blend = true;
        s.lineWidth = 1.5f;
        return s;
    }
    void BuildDisplayList();
};
