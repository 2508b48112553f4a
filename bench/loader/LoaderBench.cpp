// Megabytes of RGB output per second for 4096 x 4096 files of each common
// kind (24- and 32-bit, 16-bit 5-5-5, 8-bit paletted, RLE8): this loader,
// stb_image's BMP decoder on the same files, and two floors: reading the file
// in the loader's pieces and copying them into a new pixel array, and reading
// it whole first.
#include "BmpWriter.h"
#include "LoadBmpImage.h"
#include "Notice.h"
#include "FileSource.h"

#include <stb_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSide = 4096;
constexpr int kRuns = 15;

struct Case
{
    const char* kind;
    std::string path;
    std::string stbPath;   // what stb_image decodes for comparison
};

// Keeps the compiler from dropping a copy nobody reads.
void KeepWritten(void* block)
{
    asm volatile("" : : "r"(block) : "memory");
}

// The median of kRuns timings of each work, in seconds, after one warm-up.
// The works take turns in every round, so that a busy machine slows them alike.
std::vector<double> MedianSeconds(const std::vector<std::function<void()>>& works)
{
    std::vector<std::vector<double>> seconds(works.size());
    for (int round = -1; round < kRuns; ++round) {
        for (size_t w = 0; w < works.size(); ++w) {
            const auto start = std::chrono::steady_clock::now();
            works[w]();
            if (round >= 0)
                seconds[w].push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& s : seconds) {
        std::sort(s.begin(), s.end());
        medians.push_back(s[kRuns / 2]);
    }
    return medians;
}

std::vector<uint32_t> Palette256()
{
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 256; ++i)
        palette.push_back(i << 16 | (255 - i) << 8 | (i * 7 & 0xFF));
    return palette;
}

// Random 16-bit 5-5-5, 24-bit or 32-bit pixels, unused bits set too.
Bytes RgbFile(std::mt19937& random, uint16_t bitCount)
{
    std::vector<uint32_t> values(size_t{kSide} * kSide);
    for (uint32_t& v : values)
        v = bitCount == 16 ? random() & 0xFFFF : bitCount == 24 ? random() & 0xFFFFFF : random();
    BmpFields f;
    f.width = kSide;
    f.height = kSide;
    f.bitCount = bitCount;
    f.bits = PackRows(bitCount, kSide, kSide, values);
    return BuildBmp(f);
}

Bytes PalettedFile(std::mt19937& random)
{
    std::vector<uint32_t> indices(size_t{kSide} * kSide);
    for (uint32_t& i : indices)
        i = random() & 0xFF;
    BmpFields f;
    f.width = kSide;
    f.height = kSide;
    f.bitCount = 8;
    f.palette = Palette256();
    f.bits = PackRows(8, kSide, kSide, indices);
    return BuildBmp(f);
}

// The indices as RLE8: runs of 3 or more encoded, 3 or more pixels between
// them as absolute runs and fewer as runs of 1, an end of line after each row
// and an end of bitmap.
Bytes EncodeRle8(int width, int rows, const std::vector<uint32_t>& indices)
{
    Bytes out;
    for (int y = 0; y < rows; ++y) {
        const uint32_t* row = &indices[static_cast<size_t>(y) * width];
        auto runAt = [&](int x) {
            int n = 1;
            while (x + n < width && n < 255 && row[x + n] == row[x])
                ++n;
            return n;
        };
        int x = 0;
        while (x < width) {
            const int run = runAt(x);
            if (run >= 3) {
                out.push_back(static_cast<uint8_t>(run));
                out.push_back(static_cast<uint8_t>(row[x]));
                x += run;
                continue;
            }
            int n = 0;
            while (x + n < width && n < 255 && runAt(x + n) < 3)
                ++n;
            if (n < 3) {
                for (int i = 0; i < n; ++i) {
                    out.push_back(1);
                    out.push_back(static_cast<uint8_t>(row[x + i]));
                }
            } else {
                out.push_back(0);
                out.push_back(static_cast<uint8_t>(n));
                for (int i = 0; i < n; ++i)
                    out.push_back(static_cast<uint8_t>(row[x + i]));
                if (n % 2)
                    out.push_back(0);
            }
            x += n;
        }
        out.insert(out.end(), {0, 0});
    }
    out.insert(out.end(), {0, 1});
    return out;
}

// Spans of one colour, 1 to 96 pixels long, and every fifth span noise, the
// way a drawn logo compresses. Also the same picture uncompressed, since
// stb_image does not read RLE.
Bytes Rle8File(std::mt19937& random, Bytes* uncompressed)
{
    std::vector<uint32_t> indices;
    indices.reserve(size_t{kSide} * kSide);
    for (int y = 0; y < kSide; ++y) {
        int x = 0;
        while (x < kSide) {
            const int span = std::min<int>(kSide - x, 1 + static_cast<int>(random() % 96));
            const bool noise = random() % 5 == 0;
            const uint8_t color = static_cast<uint8_t>(random());
            for (int i = 0; i < span; ++i)
                indices.push_back(noise ? random() & 0xFF : color);
            x += span;
        }
    }
    BmpFields f;
    f.width = kSide;
    f.height = kSide;
    f.bitCount = 8;
    f.palette = Palette256();
    f.bits = PackRows(8, kSide, kSide, indices);
    *uncompressed = BuildBmp(f);
    f.compression = 1;
    f.bits = EncodeRle8(kSide, kSide, indices);
    return BuildBmp(f);
}

void Write(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// Fills pixels[*done, until) from a piece of n bytes, again from its start
// when the piece is the smaller.
void CopyPiece(const unsigned char* piece, size_t n, unsigned char* pixels, size_t* done, size_t until)
{
    while (*done < until) {
        const size_t m = std::min(n, until - *done);
        std::memcpy(pixels + *done, piece, m);
        *done += m;
    }
}

// The floor: the file read as the loader reads it, a piece at a time into one
// reused buffer, a pixel array allocated as the loader allocates it, and each
// piece copied into its share of the array (a smaller file's pieces more than
// once), so that every byte is read once and written once.
void ReadAndCopy(const std::string& path, size_t outputBytes)
{
    FileSource file;
    if (!file.Open(path.c_str())) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    const size_t fileBytes = file.Size();
    unsigned char* pixels = NewWriteOnceBlock(outputBytes + 1);
    size_t done = 0;
    for (size_t offset = 0; offset < fileBytes;) {
        size_t got = 0;
        const unsigned char* piece = file.Get(offset, 1, &got);
        offset += got;
        CopyPiece(piece, got, pixels, &done, static_cast<size_t>(uint64_t{outputBytes} * offset / fileBytes));
    }
    KeepWritten(pixels);
    std::free(pixels);
}

// The floor of a loader that reads the file whole before converting it: the
// file read into a new block, then copied into the pixel array.
void ReadWholeAndCopy(const std::string& path, size_t outputBytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    const size_t fileBytes = static_cast<size_t>(info.st_size);
    unsigned char* file = NewWriteOnceBlock(fileBytes);
    for (size_t got = 0; got < fileBytes;) {
        const ssize_t n = read(fd, file + got, fileBytes - got);
        if (n <= 0) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            std::exit(1);
        }
        got += static_cast<size_t>(n);
    }
    close(fd);
    unsigned char* pixels = NewWriteOnceBlock(outputBytes + 1);
    size_t done = 0;
    CopyPiece(file, fileBytes, pixels, &done, outputBytes);
    KeepWritten(pixels);
    std::free(pixels);
    std::free(file);
}

void FailOnNotice(const DibFailure& failure)
{
    std::fprintf(stderr, "loader: %s\n", DibReasonName(failure.reason));
    std::exit(1);
}

}  // namespace

int main()
{
    SetNoticeHandler(&FailOnNotice);
    std::string dir = (std::filesystem::temp_directory_path() / "loader_bench_XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    std::mt19937 random(4096);
    const std::vector<Case> cases = {
        {"24-bit", dir + "/rgb24.bmp", dir + "/rgb24.bmp"},
        {"32-bit", dir + "/rgb32.bmp", dir + "/rgb32.bmp"},
        {"16-bit", dir + "/rgb16.bmp", dir + "/rgb16.bmp"},
        {"8-bit", dir + "/paletted8.bmp", dir + "/paletted8.bmp"},
        {"RLE8", dir + "/rle8.bmp", dir + "/rle8-unpacked.bmp"},
    };
    Write(cases[0].path, RgbFile(random, 24));
    Write(cases[1].path, RgbFile(random, 32));
    Write(cases[2].path, RgbFile(random, 16));
    Write(cases[3].path, PalettedFile(random));
    Bytes unpacked;
    Write(cases[4].path, Rle8File(random, &unpacked));
    Write(cases[4].stbPath, unpacked);

    const size_t outputBytes = size_t{kSide} * kSide * 3;
    const double megabytes = outputBytes / 1e6;
    std::printf("%d x %d, %.1f MB of RGB output per load, median of %d interleaved runs\n\n", kSide, kSide, megabytes, kRuns);
    std::printf("%-7s %7s | %11s %9s %10s %10s | %6s %7s %7s\n", "kind", "file MB", "loader MB/s", "stb MB/s",
                "floor MB/s", "whole MB/s", "x stb", "x floor", "x whole");
    for (const Case& c : cases) {
        const std::vector<double> t = MedianSeconds({
            [&] { FreeRgbImage(LoadBmpImage(c.path.c_str())); },
            [&] {
                int width, height, channels;
                stbi_uc* pixels = stbi_load(c.stbPath.c_str(), &width, &height, &channels, 3);
                if (!pixels) {
                    std::fprintf(stderr, "stb_image: %s\n", stbi_failure_reason());
                    std::exit(1);
                }
                stbi_image_free(pixels);
            },
            [&] { ReadAndCopy(c.path, outputBytes); },
            [&] { ReadWholeAndCopy(c.path, outputBytes); },
        });
        const double ours = t[0], stb = t[1], floor = t[2], whole = t[3];
        std::printf("%-7s %7.1f | %11.0f %8.0f%s %10.0f %10.0f | %6.1f %7.2f %7.2f\n", c.kind,
                    std::filesystem::file_size(c.path) / 1e6, megabytes / ours, megabytes / stb,
                    c.path == c.stbPath ? " " : "*", megabytes / floor, megabytes / whole, stb / ours, floor / ours,
                    whole / ours);
    }
    std::printf("\n* stb_image does not read RLE: its figure is for the same picture stored uncompressed.\n"
                "x stb: times faster than stb_image (goal: 3 or more).\n"
                "floor: the least any loader does: read the file in the loader's pieces with its own read\n"
                "calls, allocate the pixel array as it does and fill it by memcpy from the pieces.\n"
                "x floor: the loader's speed over it (goal for 24-bit: 0.9 or more).\n"
                "whole: the same with the file read whole into a new block first, as a loader that\n"
                "reads before converting does.\n");
    std::filesystem::remove_all(dir);
    return 0;
}
