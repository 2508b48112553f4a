// The outside view's OpenGL window: the shown page's scene, camera, volume,
// lamps and fog seen from a camera of its own, which a drag turns and the
// wheel moves nearer or farther. It has a context of its own and draws
// between the page's frames, handing the page's context back each time, so
// the page's picture and record never change because of it.
#pragma once

#include "SceneKind.h"
#include "ViewState.h"
#include "WorldView.h"

#include <wx/glcanvas.h>
#include <wx/image.h>
#include <wx/timer.h>

#include <functional>
#include <memory>

class COpenGLWnd;

class CWorldCanvas : public wxGLCanvas
{
public:
    using PageFunc = std::function<COpenGLWnd*()>;
    CWorldCanvas(wxWindow* parent, PageFunc shownPage);
    ~CWorldCanvas() override;

    // Starts or stops following the shown page (the window's show and hide).
    void Follow(bool on);
    // A frame drawn now into the back buffer and read back; not IsOk()
    // without a context or a page.
    wxImage ReadFrame();

    const WorldCamera& Camera() const { return m_camera; }
    void SetCamera(const WorldCamera& c);
    // What the last frame was drawn from.
    const WorldPicture& Picture() const { return m_picture; }
    SceneKind PageKind() const { return m_builtKind; }
    long Frames() const { return m_frames; }

    // Told after every frame drawn, with the page's record it showed.
    std::function<void(const ViewState&)> onFrame;

    // How often the page's record is looked at: about thirty frames a second.
    static constexpr int kFollowMs = 33;

private:
    bool DrawNow();
    bool Bind();
    void BuildScene(COpenGLWnd& page);
    void Look();

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);

    PageFunc m_shownPage;
    std::unique_ptr<wxGLContext> m_rc;
    bool m_hasVisual = false;         // false: a plain window, no OpenGL at all
    ViewState m_held;                 // what the context holds of the picture's record
    const COpenGLWnd* m_builtFor = nullptr;
    SceneKind m_builtKind = SceneKind::Bare;
    unsigned m_texture = 0;
    WorldCamera m_camera;
    bool m_framed = false;            // the camera was framed for the first page
    WorldPicture m_picture;
    ViewState m_shown;                // the page's record of the last frame
    wxPoint m_dragFrom;
    bool m_dragging = false;
    long m_frames = 0;
    wxTimer m_timer;
};
