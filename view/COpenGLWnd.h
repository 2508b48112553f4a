// The OpenGL child window that every page shows: its own rendering context,
// the fixed axes, and the page's scene (display list 1) turned and scaled.
// Everything that decides the picture is in its ViewState, which every switch
// changes at once; the context follows the record whenever it is current.
#pragma once

#include "EditHistory.h"
#include "PacedTimer.h"
#include "SceneKind.h"
#include "SceneTables.h"
#include "ViewState.h"

#include <wx/glcanvas.h>

#include <array>
#include <functional>
#include <memory>

class wxMenu;

class COpenGLWnd : public wxGLCanvas
{
public:
    // Creates the window as child IDC_GLVIEW at (10, 10)-(265, 265) of parent,
    // with a frame, its record starting as start. The OpenGL set-up waits
    // until the window is first shown.
    explicit COpenGLWnd(wxWindow* parent, const ViewState& start = ViewState());
    ~COpenGLWnd() override;

    // kOrthographic or kPerspective.
    void SetProjection(int mode);
    // Page hand-over: make this context current, repaint, restart the timer;
    // or make none current and stop the timer.
    void Activate();
    void Deactivate();

    // By 1.1 to the power steps, kScaleSmaller or kScaleLarger; kScaleNone does nothing.
    void ScaleBySteps(double steps, signed char direction);
    // kLampRed, kLampGreen or kLampBlue; state 0 off, 1 on.
    void SwitchLamp(signed char lamp, unsigned char state);
    // kFogOff, or kFogOn with density steps * 0.1.
    void SetFog(unsigned char mode, signed char steps);
    void SetLineSmoothing(bool on);
    // The context menu's Size > Increase (larger true) or Decrease: one step
    // of the menu's own factors, also taken by the keys.
    void StepSize(bool larger);

    // The record as a whole, from the code: an edit (a non-zero group folds a
    // gesture's edits into one undo step), an undo, a redo or a reset. The
    // viewport stays the window's own; the record observer hears of it, so
    // that the page's controls show it.
    void SetRecord(const ViewState& s, int group);
    bool Undo();
    bool Redo();
    // Back to the page's own start (see KeepAsStart), as one more step.
    void Reset();
    // The page calls this once its controls have set the record up: Reset
    // returns to it, and nothing before it can be undone.
    void KeepAsStart();
    using RecordObserver = std::function<void(const ViewState&)>;
    void ObserveRecord(RecordObserver observer) { m_recordObserver = std::move(observer); }

    // Draws one frame into the back buffer of the current context; no swap.
    void DrawScene();

    // Read-outs for the pages, the code window and the tests.
    virtual SceneKind Kind() const { return SceneKind::Bare; }
    const ViewState& State() const { return m_state; }
    bool IsSetUp() const { return m_setUp; }
    bool HasContext() const { return m_hRC != nullptr; }
    bool IsContextCurrent() const;
    bool IsAnimating() const { return m_timer.IsRunning(); }
    bool IsDragging() const { return m_bDragging != 0; }

    // Stops the turning, as a drag on the picture does: an angle typed in
    // the code stays. A double-click on the picture starts it again.
    void StopTurning();
    // Stops the turning at known angles (tests and benchmarks).
    void SetAngles(double angleX, double angleY);

    // The pixel the student asks about ("Почему этот цвет?"): a Ctrl+click or
    // the menu item chooses it, the arrow keys move it. In device pixels from
    // the lower left, as glReadPixels counts; seen is its colour read back
    // from the last frame, before the mark around it was drawn.
    struct ChosenPixel
    {
        bool chosen = false;
        int x = 0, y = 0;
        bool read = false;   // seen is of this pixel and this record
        std::array<unsigned char, 3> seen{};
    };
    const ChosenPixel& Pixel() const { return m_pixel; }
    // Stops the turning and chooses (x, y), kept inside the picture.
    void ChoosePixel(int x, int y);
    void MovePixel(int dx, int dy);
    // The pixel under a point of the window, in window pixels from the top left.
    void ChoosePixelAt(const wxPoint& client);
    // Told once a chosen pixel was chosen (chosen true: by the user, a sign
    // to show the explanation), and whenever it moved, its read-back changed
    // or the record it was drawn from changed.
    using PixelObserver = std::function<void(COpenGLWnd&, bool chosen)>;
    void ObservePixel(PixelObserver observer) { m_pixelObserver = std::move(observer); }

    // Called after every frame a window shows, with that window (tests).
    using FrameObserver = std::function<void(COpenGLWnd&)>;
    static void ObserveFrames(FrameObserver observer) { s_frameObserver = std::move(observer); }

    // The size handler, as the window system calls it: the client size in
    // device pixels, which a scaled screen has more of than window pixels.
    void OnSize(int cx, int cy);

protected:
    // The creation handler. GTK binds a context only to a shown window, so it
    // runs when the window is first shown; scene windows call it first.
    virtual void OnCreate();

    void StartTimer();   // timer 0, 10 ms
    void StopTimer();

    // Creates the context and makes it current; false when there is none to
    // be had, and the window then shows no picture.
    virtual bool CreateRenderingContext();
    // A scene's own items, added below the context menu's.
    virtual void AddMenuItems(wxMenu&) {}

    float m_halfSize = float(kHalfEdge);

private:
    void SetUp();
    void ApplyClientSize();
    void SyncContext();
    void MakeCurrent();
    void EndDrag();
    void Invalidate();
    void MultiplyScale(float factor);
    void Changed(const ViewState& before);
    void Take(const ViewState& s);
    bool TakeStep(bool (EditHistory::*step)(const ViewState&, ViewState&));

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
    void OnWhyThisColour(wxCommandEvent& event);
    bool MovePixelByKey(const wxKeyEvent& event);
    void ReadAndMarkPixel();
    void TellPixel();

    ViewState m_state;            // the truth, whether or not there is a context
    ViewState m_held;             // what the context holds of it
    ViewState m_start;            // what Reset returns to
    EditHistory m_history;
    RecordObserver m_recordObserver;
    std::unique_ptr<wxGLContext> m_hRC;
    bool m_hasVisual = false;     // false: a plain window, no OpenGL at all
    int m_lastMouseX = 0, m_lastMouseY = 0;
    int m_bDragging = 0;
    PacedTimer m_timer;

    ChosenPixel m_pixel;
    PixelObserver m_pixelObserver;
    bool m_pixelNew = false;      // chosen by the user since the observer was last told
    ChosenPixel m_pixelTold;      // what the observer was last told of
    ViewState m_pixelToldState;
    wxPoint m_menuPoint;          // where the context menu was opened

    // The hand-over. The window of the shown page (s_shownWnd) owns the one
    // current context and the one running timer, once it is set up. Until
    // then none is current and no timer runs, except during a set-up, which
    // makes its own context current to build the scene and then hands it to
    // the shown window (or to none) and keeps its timer only if it is shown.
    // A window that never was shown has no context and never ticks.
    void* m_nativeRC = nullptr;   // what the window system calls m_hRC
    bool m_setUp = false;         // the set-up has run
    bool m_setUpQueued = false;   // the first paint has asked for it
    bool m_active = false;        // its page is the shown one
    static inline COpenGLWnd* s_shownWnd = nullptr;

    static inline FrameObserver s_frameObserver;

    wxDECLARE_EVENT_TABLE();
};
