#include "CTexWnd.h"

#include "DataFile.h"
#include "GLFrame.h"
#include "LoadBmpImage.h"
#include "SceneLists.h"

CTexWnd::~CTexWnd()
{
    FreeRgbImage(m_pImage);
}

void CTexWnd::OnCreate()
{
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CTexWnd::BuildDisplayList()
{
    // Read before the list is opened: a failure notice runs a modal loop,
    // and nothing may paint (and so call list 1) while list 1 is compiled.
    m_pImage = LoadBmpImage(FindDataFile("logo.bmp").c_str());
    // Without a picture the cube is drawn plain, lit white.
    BuildTexturedCubeList(m_halfSize, m_pImage);
    // The new texture object starts from OpenGL's defaults, not the record's.
    glframe::ApplyTextureSettings(State());
}
