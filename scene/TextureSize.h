// The size a picture goes into a texture at. OpenGL 1.1 takes only sides that
// are powers of two, up to GL_MAX_TEXTURE_SIZE: any other picture is scaled
// to that size first. The drawing and the printed code both ask here, so that
// the code shows what the picture gets.
#pragma once

struct TextureSize
{
    int width = 0, height = 0;
    bool operator==(const TextureSize& o) const { return width == o.width && height == o.height; }
};

// Each side the next power of two at or above it, but no more than maxSide
// taken down to a power of two; maxSide 0 (not known) sets no bound.
TextureSize UploadSize(int width, int height, int maxSide);

// Whether a picture of width x height has to be scaled before the upload.
inline bool NeedsScaling(int width, int height, int maxSide)
{
    return !(UploadSize(width, height, maxSide) == TextureSize{width, height});
}
