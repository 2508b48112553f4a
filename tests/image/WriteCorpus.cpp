// Writes the tests' sample files into a directory: the fuzzer's seed corpus.
//   bmp_write_corpus DIR
#include "BmpWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    int written = 0;
    for (const SampleBmp& sample : SampleBmps()) {
        const std::string path = std::string(argv[1]) + "/" + sample.name + ".bmp";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(sample.file.data()), static_cast<std::streamsize>(sample.file.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        ++written;
    }
    std::printf("%d files in %s\n", written, argv[1]);
    return 0;
}
