// The texture page's window: the cube covered with the picture of "logo.bmp",
// lit by a white lamp that is always on and the three coloured lamps.
#pragma once

#include "COpenGLWnd.h"

struct RgbImage;

class CTexWnd : public COpenGLWnd
{
public:
    explicit CTexWnd(wxWindow* parent) : COpenGLWnd(parent, LitState(true)) {}
    SceneKind Kind() const override { return SceneKind::TexCube; }
    ~CTexWnd() override;

    // The decoded picture, or nullptr when it could not be read.
    const RgbImage* Image() const { return m_pImage; }

protected:
    void OnCreate() override;

private:
    void BuildDisplayList();

    RgbImage* m_pImage = nullptr;
};
