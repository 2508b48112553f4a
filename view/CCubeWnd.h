// The lines page's window: a white wire-frame cube of smoothed lines.
#pragma once

#include "COpenGLWnd.h"

class CCubeWnd : public COpenGLWnd
{
public:
    explicit CCubeWnd(wxWindow* parent) : COpenGLWnd(parent) {}
    SceneKind Kind() const override { return SceneKind::WireCube; }

protected:
    void OnCreate() override;

private:
    void BuildDisplayList();
};
