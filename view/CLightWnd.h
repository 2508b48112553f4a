// The lighting page's window: a solid white cube lit by three coloured lamps.
#pragma once

#include "COpenGLWnd.h"

class CLightWnd : public COpenGLWnd
{
public:
    explicit CLightWnd(wxWindow* parent) : COpenGLWnd(parent, LitState(false)) {}
    SceneKind Kind() const override { return SceneKind::LitCube; }

protected:
    void OnCreate() override;

private:
    void BuildDisplayList();
};
