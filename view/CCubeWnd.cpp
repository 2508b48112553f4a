#include "CCubeWnd.h"

#include "SceneLists.h"

void CCubeWnd::OnCreate()
{
    // Smoothing is in the record from the start: the set-up applies it.
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CCubeWnd::BuildDisplayList() { BuildWireCubeList(m_halfSize); }
