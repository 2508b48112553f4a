#include "CLightWnd.h"

#include "SceneLists.h"

void CLightWnd::OnCreate()
{
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CLightWnd::BuildDisplayList() { BuildLitCubeList(m_halfSize); }
