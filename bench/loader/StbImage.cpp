// stb_image's decoder, BMP only, compiled into the benchmark for comparison.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#include <stb_image.h>
