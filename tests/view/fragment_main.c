/* Runs a code window's fragment in an offscreen pbuffer and prints the
 * colours at the given pixels. Usage: width height picture|- x y [x y ...]
 * (y from the top; picture: the texture's raw RGB bytes, for PICTURE builds). */
#include <GL/glx.h>
#include <GL/gl.h>

#include <stdio.h>
#include <stdlib.h>

#ifdef PICTURE
void SetUpScene(const unsigned char *picture);
#else
void SetUpScene(void);
#endif
void DrawScene(void);

static unsigned char *ReadAll(const char *path)
{
    FILE *f = fopen(path, "rb");
    long size;
    unsigned char *bytes;
    if (!f || fseek(f, 0, SEEK_END) != 0 || (size = ftell(f)) <= 0)
        return NULL;
    rewind(f);
    bytes = malloc((size_t)size);
    if (bytes && fread(bytes, 1, (size_t)size, f) != (size_t)size)
        bytes = NULL;
    fclose(f);
    return bytes;
}

int main(int argc, char **argv)
{
    static const int config[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                                 GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                                 GLX_DEPTH_SIZE, 24, GLX_DOUBLEBUFFER, False, None};
    Display *display;
    GLXFBConfig *configs;
    int count = 0, width, height, i;
    if (argc < 4 || !(display = XOpenDisplay(NULL)))
        return 2;
    width = atoi(argv[1]);
    height = atoi(argv[2]);
    configs = glXChooseFBConfig(display, DefaultScreen(display), config, &count);
    if (!configs || count == 0)
        return 3;
    {
        const int size[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
        GLXPbuffer pbuffer = glXCreatePbuffer(display, configs[0], size);
        GLXContext context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, NULL, True);
        if (!context || !glXMakeContextCurrent(display, pbuffer, pbuffer, context))
            return 4;
    }
#ifdef PICTURE
    {
        unsigned char *picture = ReadAll(argv[3]);
        if (!picture)
            return 5;
        SetUpScene(picture);
    }
    {
        /* The rest of a program uses textures too: the frame must bind its own. */
        static const unsigned char magenta[3] = {255, 0, 255};
        glBindTexture(GL_TEXTURE_2D, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, magenta);
    }
#else
    (void)ReadAll;
    SetUpScene();
#endif
    DrawScene();
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (i = 4; i + 1 < argc; i += 2) {
        unsigned char px[3] = {0, 0, 0};
        glReadPixels(atoi(argv[i]), height - 1 - atoi(argv[i + 1]), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);
        printf("%d %d %d\n", px[0], px[1], px[2]);
    }
    return 0;
}
