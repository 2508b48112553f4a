#include "ViewCode.h"

#include "COpenGLWnd.h"
#include "CTexWnd.h"
#include "GLFrame.h"
#include "RgbImage.h"

#include <GL/gl.h>

bool ReadFragmentInputs(const COpenGLWnd& w, FragmentInputs& in)
{
    // A set-up that found no OpenGL leaves the record as the only truth.
    const bool noOpenGL = w.IsSetUp() && !w.HasContext();
    if (!w.IsContextCurrent() && !noOpenGL)
        return false;
    in.kind = w.Kind();
    in.state = AnglesAsDrawn(w.State());
    if (noOpenGL) {
        SceneProjection(in.state, in.projection);
        CubeModelView(in.state, in.modelView);
    } else {
        glframe::ReadSceneMatrices(in.state, in.projection, in.modelView);
    }
    in.pictureWidth = in.pictureHeight = 0;
    if (auto* tex = dynamic_cast<const CTexWnd*>(&w)) {
        if (const RgbImage* picture = tex->Image()) {
            in.pictureWidth = picture->width;
            in.pictureHeight = picture->height;
        }
    }
    return true;
}

wxImage ReadFrame(COpenGLWnd& w)
{
    if (!w.IsContextCurrent())
        return wxImage();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2], height = viewport[3];
    if (width <= 0 || height <= 0)
        return wxImage();
    w.DrawScene();
    wxImage image(width, height, false);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, image.GetData());
    // OpenGL's rows run bottom up.
    return image.Mirror(false);
}
