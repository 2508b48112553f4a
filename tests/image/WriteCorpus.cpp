// Writes the tests' sample files into a directory: the fuzzer's seed corpus.
//   bmp_write_corpus DIR
#include "BmpWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2)
        return std::fprintf(stderr, "usage: %s DIR\n", argv[0]), 2;
    std::filesystem::create_directories(argv[1]);
    for (const SampleBmp& sample : SampleBmps()) {
        std::ofstream out(std::string(argv[1]) + "/" + sample.name + ".bmp", std::ios::binary);
        if (!out.write(reinterpret_cast<const char*>(sample.file.data()), std::streamsize(sample.file.size())))
            return std::fprintf(stderr, "cannot write %s.bmp\n", sample.name.c_str()), 1;
    }
}
