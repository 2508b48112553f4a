// The texture page's window: the cube covered with a picture, "logo.bmp"
// unless the user opens another (the menu, a dropped file, --picture), lit by
// a white lamp that is always on and the three coloured lamps.
#pragma once

#include "COpenGLWnd.h"

#include <string>

struct RgbImage;

class CTexWnd : public COpenGLWnd
{
public:
    explicit CTexWnd(wxWindow* parent);
    ~CTexWnd() override;

    SceneKind Kind() const override { return SceneKind::TexCube; }

    // The decoded picture, or nullptr when it could not be read.
    const RgbImage* Image() const { return m_pImage; }
    // Its file's name without the folder, as the code prints it.
    const std::string& PictureName() const { return m_pictureName; }
    // GL_MAX_TEXTURE_SIZE of the window's context; 0 without one.
    int MaxTextureSide() const { return m_maxTextureSide; }

    // Puts the picture of the file at path on the cube, before the set-up,
    // on the shown window, or (for the code) on one without OpenGL. A file the loader refuses gets its notice,
    // and the cube keeps its picture. Whether the picture was taken.
    bool OpenPicture(const wxString& path);

    // What the windows made from now on show first instead of "logo.bmp"
    // (--picture); empty for "logo.bmp" again.
    static void StartWith(const wxString& path) { s_startPicture = path; }

protected:
    void OnCreate() override;
    void AddMenuItems(wxMenu& menu) override;

private:
    void BuildDisplayList();
    // The loader's picture, or nullptr after its notice.
    static RgbImage* Load(const wxString& path);
    void OnOpenPicture(wxCommandEvent& event);

    RgbImage* m_pImage = nullptr;
    std::string m_pictureName = "logo.bmp";
    unsigned m_texture = 0;
    int m_maxTextureSide = 0;

    static inline wxString s_startPicture;
};
