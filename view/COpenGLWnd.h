// The OpenGL child window that every page shows: its own rendering context,
// the fixed axes, and the page's scene (display list 1) turned and scaled.
#pragma once

#include "PacedTimer.h"

#include <wx/glcanvas.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <vector>

class COpenGLWnd : public wxGLCanvas
{
public:
    // Creates the window as child IDC_GLVIEW at (10, 10)-(265, 265) of parent,
    // with a frame. The OpenGL set-up waits until the window is first shown.
    explicit COpenGLWnd(wxWindow* parent);
    ~COpenGLWnd() override;

    // 1 orthographic, 2 perspective.
    void SetProjection(int mode);
    // Page hand-over: make this context current, repaint, restart the timer;
    // or make none current and stop the timer.
    void Activate();
    void Deactivate();

    // direction: 0 none, 1 smaller, 2 larger; by 1.1 to the power steps.
    void ScaleBySteps(double steps, signed char direction);
    // lamp 1..3 is GL_LIGHT0..2; state 0 off, 1 on.
    void SwitchLamp(signed char lamp, unsigned char state);
    // mode 0 off, 1 on with density steps * 0.1.
    void SetFog(unsigned char mode, signed char steps);
    void SetLineSmoothing(bool on);

    // Draws one frame into the back buffer of the current context; no swap.
    void DrawScene();

    // Read-outs for the pages and the tests.
    bool IsSetUp() const { return m_setUp; }
    bool HasContext() const { return m_hRC != nullptr; }
    bool IsContextCurrent() const;
    bool IsAnimating() const { return m_timer.IsRunning(); }
    bool IsDragging() const { return m_bDragging != 0; }
    bool IsPerspective() const { return m_bPerspective; }
    double AngleX() const { return m_angleX; }
    double AngleY() const { return m_angleY; }
    float ScaleX() const { return m_scaleX; }
    float ScaleY() const { return m_scaleY; }
    float ScaleZ() const { return m_scaleZ; }
    double Aspect() const { return m_aspect; }

    // Stops the turning at known angles (tests and benchmarks).
    void SetAngles(double angleX, double angleY);

    // The size handler, as the window system calls it.
    void OnSize(int cx, int cy);

protected:
    // The creation handler. GTK binds a context only to a shown window, so it
    // runs when the window is first shown; scene windows call it first and
    // stop when it returns -1. Returns 0 also when no context could be had.
    virtual int OnCreate();

    // Runs op in this window's context now, or, before the set-up, keeps it
    // to run right after OnCreate, in call order. After the set-up, while
    // another context is current, it waits until this one is made current.
    void InContext(std::function<void()> op);

    void StartTimer();   // timer 0, 10 ms
    void StopTimer();

    // Creates the context and makes it current; false when there is none to
    // be had, and the window then shows no picture.
    virtual bool CreateRenderingContext();

    float m_halfSize = 2.5f;

private:
    struct Pending
    {
        std::function<void()> op;
        bool needsContext;   // else it only waits for the set-up
    };

    void SetUp();
    void WhenSetUp(std::function<void()> op);
    void RunPending();
    void MakeCurrent();
    void EndDrag();
    void Invalidate();
    void MultiplyScale(float factor);

    void OnPaint(wxPaintEvent& event);
    void OnSizeEvent(wxSizeEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnLButtonDown(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnLButtonDblClk(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnViewRotate(wxCommandEvent& event);
    void OnSizeIncrease(wxCommandEvent& event);
    void OnSizeDecrease(wxCommandEvent& event);

    std::unique_ptr<wxGLContext> m_hRC;
    void* m_nativeRC = nullptr;   // what the window system calls m_hRC
    bool m_hasVisual = false;     // false: a plain window, no OpenGL at all
    float m_scaleX = 1.0f, m_scaleY = 1.0f, m_scaleZ = 1.0f;
    double m_angleX = 0.0;
    double m_angleY = 0.0;
    int m_lastMouseX = 0, m_lastMouseY = 0;
    int m_bDragging = 0;
    bool m_bPerspective = false;
    double m_aspect = 1.0;

    PacedTimer m_timer;
    bool m_setUp = false;
    bool m_setUpQueued = false;
    std::vector<Pending> m_pending;

    wxDECLARE_EVENT_TABLE();
};
