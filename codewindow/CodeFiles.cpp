#include "CodeFiles.h"

#include "Texts.h"

#include <wx/filename.h>
#include <wx/log.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

const char* const kHints[] = {
    // The wire frame
    N_("Белый куб из линий вращается сам. Снимите «сглаживание» и посмотрите на края: "
       "линии станут тоньше и ступенчатыми, а в коде glEnable(GL_LINE_SMOOTH) и glEnable(GL_BLEND) "
       "сменятся на glDisable. "
       "Переключите проекцию на перспективную, подвигайте ползунок размера или нажмите "
       "Ctrl+плюс и Ctrl+минус. Потяните куб мышью: вращение остановится, а матрица "
       "модели в коде будет меняться; двойной щелчок снова запускает вращение."),
    // The lit cube
    N_("Белый куб освещен тремя цветными лампами. Включайте лампы по одной: грани, "
       "повернутые к лампе, принимают ее цвет, блики остаются белыми. Отметьте «туман» и "
       "двигайте его ползунок: в коде видно, какая доля цвета куба остается у ближнего и "
       "дальнего угла. Потяните куб мышью: лампы стоят на месте, поворачивается только куб."),
    // The textured cube
    N_("На каждой грани куба картинка logo.bmp; другую открывает «Открыть рисунок…» в меню правой "
       "кнопки или файл BMP, брошенный на куб. Белая лампа горит всегда, цветные включаются "
       "флажками: режим GL_MODULATE умножает цвет освещенной грани на цвет картинки. "
       "Попробуйте в коде: GL_NEAREST вместо GL_LINEAR в обоих фильтрах при малом размере "
       "(Ctrl+минус) и при большом, затем GL_LINEAR_MIPMAP_LINEAR; 2.0f вместо 1.0f в glTexCoord2f "
       "при GL_REPEAT и при GL_CLAMP; GL_DECAL, GL_REPLACE и GL_BLEND вместо GL_MODULATE при "
       "включенных лампах."),
};

// Every page's last sentence.
const char* const kPixelHint = N_("Ctrl+щелчок по картинке: почему у этой точки такой цвет "
                                  "(стрелки двигают точку).");

// A name in folder that no one else uses for a while.
wxString TemporaryBeside(const wxString& path)
{
    const wxFileName name(path);
    return wxFileName(name.GetPath(), "." + name.GetFullName() + ".part").GetFullPath();
}

// The name in the file system's own form, whichever fn_str() gives: bytes on
// POSIX, UTF-16 on Windows.
[[maybe_unused]] std::filesystem::path FsPath(const char* name) { return name; }
[[maybe_unused]] std::filesystem::path FsPath(const wchar_t* name) { return name; }

bool WriteText(const wxString& path, const std::string& text)
{
    std::FILE* f = wxFopen(path, "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && written;
}

bool Rename(const wxString& from, const wxString& to)
{
    std::error_code error;
    std::filesystem::rename(FsPath(from.fn_str()), FsPath(to.fn_str()), error);
    return !error;
}

void Remove(const wxString& path)
{
    std::error_code error;
    std::filesystem::remove(FsPath(path.fn_str()), error);
}

wxString CannotWrite(const wxString& what, const wxString& path)
{
    return wxString::Format(Tr("Не удалось записать %s в файл\n%s\n\n"
                               "Проверьте, что папка существует, доступна для "
                               "записи и на диске есть место."),
                            what, path);
}

}

wxString CodeHints(SceneKind kind)
{
    switch (kind) {
    case SceneKind::WireCube: return Tr(kHints[0]) + " " + Tr(kPixelHint);
    case SceneKind::LitCube: return Tr(kHints[1]) + " " + Tr(kPixelHint);
    case SceneKind::TexCube: return Tr(kHints[2]) + " " + Tr(kPixelHint);
    case SceneKind::Bare: break;
    }
    return wxString();
}

SavedNames SavedNamesFor(const wxString& chosen)
{
    const wxString ext = ".png";
    SavedNames names;
    names.png = chosen.Lower().EndsWith(ext) ? chosen : chosen + ext;
    names.code = names.png.Left(names.png.length() - ext.length()) + ".c";
    return names;
}

wxString SaveFrameAndFragment(const wxImage& frame, const std::string& fragment, const wxString& chosen)
{
    if (!frame.IsOk())
        return Tr("Кадр недоступен: окно OpenGL этой страницы не показано.");
    const SavedNames names = SavedNamesFor(chosen);
    const wxString &pngPath = names.png, &cPath = names.code;
    // SavedNamesFor cannot give one name twice today; should it ever, as a
    // file system that ignores case sees them, the code would replace the
    // picture and the save would still report success.
    if (pngPath.IsSameAs(cPath, false))
        return wxString::Format(Tr("Кадр и код попали бы в один и тот же файл:\n%s\n%s\n\n"
                                   "Выберите другое имя."),
                                pngPath, cPath);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    const wxString pngPart = TemporaryBeside(pngPath), cPart = TemporaryBeside(cPath);

    wxLogNull quiet;   // the failure gets a message box of its own
    wxString failure;
    if (!frame.SaveFile(pngPart, wxBITMAP_TYPE_PNG))
        failure = CannotWrite(Tr("кадр"), pngPath);
    else if (!WriteText(cPart, fragment))
        failure = CannotWrite(Tr("код"), cPath);
    if (!failure.empty()) {
        Remove(pngPart);
        Remove(cPart);
        return failure;
    }
    // An older picture of the name waits aside until the code is in place
    // too, so that a failure can put it back: both new files or neither.
    const wxString pngOld = TemporaryBeside(pngPath) + ".old";
    const bool hadOld = wxFileExists(pngPath) && Rename(pngPath, pngOld);
    if (!Rename(pngPart, pngPath))
        failure = CannotWrite(Tr("кадр"), pngPath);
    else if (!Rename(cPart, cPath)) {
        Remove(pngPath);
        failure = CannotWrite(Tr("код"), cPath);
    }
    if (failure.empty()) {
        Remove(pngOld);
        return failure;
    }
    if (hadOld)
        Rename(pngOld, pngPath);
    Remove(pngPart);
    Remove(cPart);
    return failure;
}
