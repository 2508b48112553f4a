// The code window: beside its parent, for the page that is showing, a few
// sentences on what to try and the OpenGL code of the picture as it is now,
// which the student may edit (CodeSync), with buttons to go back to the
// page's own code, to copy it and to save it with the frame. It asks for the
// shown page through a function and knows nothing else of its parent.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include <functional>
#include <memory>

class CCodeView;
class CodeSync;
class COpenGLWnd;
class CPixelPane;
class wxStaticText;

class CCodeWindow : public wxFrame
{
public:
    struct ShownPage
    {
        COpenGLWnd* view = nullptr;
        wxString caption;
    };
    using ShownPageFunc = std::function<ShownPage()>;

    CCodeWindow(wxWindow* parent, ShownPageFunc shownPage);
    ~CCodeWindow() override;

    // Shows, raises and brings the window up to date with the shown page; the
    // first time it is placed beside its parent, wholly on the display.
    void Open();

    // Reads the shown page's window again and shows its fragment if the
    // record, the matrices or the page changed; a change other than the
    // turning marks the lines it changed. The timer calls it twice a second.
    void Follow();

    // The explanation of view's chosen pixel, when view is the shown page's
    // and this window is open: shown, or hidden when it has none.
    void FollowPixel(COpenGLWnd& view);
    CPixelPane* PixelPane() const { return m_pixelPane; }

    wxString Hints() const;
    // Why the last edit of the code was not taken; empty when it was.
    wxString Reason() const;
    // The text the code view shows.
    wxString Fragment() const;
    CCodeView* CodeView() const { return m_code; }
    // The fragment onto the clipboard; false, after a message box, when it
    // cannot be had.
    bool CopyFragment();
    // The shown page's frame as a PNG at pngPath and the fragment beside
    // it; false, after a message box, on any failure.
    bool SaveTo(const wxString& pngPath);

    // Message boxes go through this, so that tests can take them.
    using MessageBoxFunc = int (*)(const wxString& message, const wxString& caption, int style,
                                   wxWindow* parent);
    static MessageBoxFunc SetMessageBox(MessageBoxFunc f);

    static constexpr int kRefreshMs = 500;

    // What its "Вид со стороны" button and F2 open: the sheet's outside view.
    std::function<void()> openWorldView;
    static constexpr int kWorldViewButtonId = wxID_HIGHEST + 41;

private:
    void PlaceBesideParent();
    void WrapHints(int width);
    void Dismiss();
    void Report(const wxString& message);
    void OnCopy(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OpenWorldView();
    // An undo, a redo or a reset of the shown window, then its code.
    template <class Result>
    void Step(Result (COpenGLWnd::*step)(), bool whole);

    ShownPageFunc m_shownPage;
    wxStaticText* m_hints = nullptr;
    wxWindow* m_worldButton = nullptr;
    wxString m_hintText;      // the shown page's hints, unwrapped
    CCodeView* m_code = nullptr;
    CPixelPane* m_pixelPane = nullptr;
    wxStaticText* m_reason = nullptr;   // why the last edit was not taken
    std::unique_ptr<CodeSync> m_sync;
    wxTimer m_timer;
    bool m_placed = false;
};
