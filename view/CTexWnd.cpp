#include "CTexWnd.h"

#include "DataFile.h"
#include "GLFrame.h"
#include "LoadBmpImage.h"
#include "SceneLists.h"
#include "Texts.h"
#include "ViewMenu.h"

#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>

namespace {

// A bitmap file dropped onto the picture: the first of the files.
class PictureDrop : public wxFileDropTarget
{
public:
    explicit PictureDrop(CTexWnd* wnd) : m_wnd(wnd) {}

    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) override
    {
        if (files.empty())
            return false;
        // After the drop has ended: a refusal's notice runs a modal loop.
        const wxString path = files[0];
        m_wnd->CallAfter([wnd = m_wnd, path] { wnd->OpenPicture(path); });
        return true;
    }

private:
    CTexWnd* m_wnd;
};

// The file's name without its folder, as the code prints it.
std::string NameOf(const wxString& path)
{
    return std::string(wxFileName(path).GetFullName().utf8_str());
}

}

CTexWnd::CTexWnd(wxWindow* parent) : COpenGLWnd(parent, LitState(true))
{
    SetDropTarget(new PictureDrop(this));
    Bind(wxEVT_MENU, &CTexWnd::OnOpenPicture, this, kOpenPictureItemId);
}

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

RgbImage* CTexWnd::Load(const wxString& path)
{
#ifdef _WIN32
    return LoadBmpImage(path.wc_str(), true);
#else
    return LoadBmpImage(static_cast<const char*>(path.fn_str()));
#endif
}

void CTexWnd::BuildDisplayList()
{
    // Read before the list is opened: a failure notice runs a modal loop,
    // and nothing may paint (and so call list 1) while list 1 is compiled.
    if (!m_pImage && !s_startPicture.empty() && (m_pImage = Load(s_startPicture)))
        m_pictureName = NameOf(s_startPicture);
    if (!m_pImage)
        m_pImage = Load(FindDataFile("logo.bmp"));
    // Without a context GLU's mipmaps would read a version string that is not there.
    if (!HasContext())
        return;
    m_maxTextureSide = ::MaxTextureSide();
    // Without a picture the cube is drawn plain, lit white.
    m_texture = BuildTexturedCubeList(m_halfSize, m_pImage);
    // The new texture object starts from OpenGL's defaults, not the record's.
    glframe::ApplyTextureSettings(State());
}

bool CTexWnd::OpenPicture(const wxString& path)
{
    if (HasContext() && !IsContextCurrent())
        return false;
    RgbImage* picture = Load(path);
    if (!picture)
        return false;
    if (HasContext()) {
        m_texture = BuildTexturedCubeList(m_halfSize, picture, m_texture);
        glframe::ApplyTextureSettings(State());
    }
    FreeRgbImage(m_pImage);
    m_pImage = picture;
    m_pictureName = NameOf(path);
    Refresh(false);
    return true;
}

void CTexWnd::AddMenuItems(wxMenu& menu)
{
    AppendOpenPictureItem(menu);
}

void CTexWnd::OnOpenPicture(wxCommandEvent&)
{
    wxFileDialog dialog(this, Tr("Открыть рисунок"), wxString(), wxString(),
                        Tr("Рисунки BMP (*.bmp)|*.bmp;*.BMP|Все файлы (*)|*"), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK)
        OpenPicture(dialog.GetPath());
}
