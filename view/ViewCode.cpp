#include "ViewCode.h"

#include "COpenGLWnd.h"
#include "CTexWnd.h"
#include "GLFrame.h"
#include "RgbImage.h"


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
        in.pictureName = tex->PictureName();
        in.maxTextureSide = tex->MaxTextureSide();
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
    int width = 0, height = 0;
    glframe::ViewportSize(width, height);
    if (width <= 0 || height <= 0)
        return wxImage();
    w.DrawScene();
    wxImage image(width, height, false);
    glframe::ReadBackBuffer(width, height, image.GetData());
    // OpenGL's rows run bottom up.
    return image.Mirror(false);
}
