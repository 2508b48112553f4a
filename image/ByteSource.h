// Where the decoder's bytes come from: a file read in pieces into one reused
// buffer, so that each piece is converted while it is still in the cache, or
// a block already in memory.
#pragma once

#include <cstddef>

// The most bytes one call may want at once: the headers with the longest
// colour table (14 + 124 + 65535 × 4) and the longest row (65535 × 4) fit.
constexpr size_t kBufferBytes = 257 * 1024;

class ByteSource
{
public:
    virtual ~ByteSource() = default;

    // The bytes from offset on: at least want (up to kBufferBytes) of them,
    // or all that remain when fewer do (*got says how many; 0 past the end).
    // offset never goes back before an earlier call's; the pointer holds
    // until the next call.
    const unsigned char* Get(size_t offset, size_t want, size_t* got)
    {
        // Most calls, a row or an RLE step, find their bytes already there.
        if (offset >= start_ && offset - start_ + want <= filled_) {
            *got = filled_ - (offset - start_);
            return window_ + (offset - start_);
        }
        return Refill(offset, want, got);
    }

    // The bytes there are: the file's size as its first look gave it, and
    // where it really ended once a read found the end sooner.
    size_t Size() const { return size_; }

protected:
    const unsigned char* window_ = nullptr;   // bytes [start_, start_ + filled_) of the data
    size_t start_ = 0;
    size_t filled_ = 0;
    size_t size_ = 0;

    virtual const unsigned char* Refill(size_t offset, size_t want, size_t* got) = 0;
};

// A block in memory, all of it in the window from the start.
class MemorySource : public ByteSource
{
public:
    MemorySource(const unsigned char* data, size_t size);

private:
    const unsigned char* Refill(size_t offset, size_t want, size_t* got) override;
};

// Data read into a buffer of its own: at each refill the bytes still wanted
// move to the buffer's front, and reads fill the rest until what is wanted is
// there. A subclass says how to read.
class PieceSource : public ByteSource
{
public:
    ~PieceSource() override;
    PieceSource(const PieceSource&) = delete;
    PieceSource& operator=(const PieceSource&) = delete;

protected:
    PieceSource() = default;
    // Takes size as the data's bytes as far as known, and allocates the
    // buffer; false when it cannot be had.
    bool Start(size_t size);

    // Reads up to n bytes from where the last read ended into out; 0 at the
    // end or on an error.
    virtual size_t ReadSome(unsigned char* out, size_t n) = 0;
    // Moves the next read to offset, past where the last ended; false on an error.
    virtual bool SkipTo(size_t offset) = 0;

private:
    unsigned char* buffer_ = nullptr;
    size_t capacity_ = 0;

    const unsigned char* Refill(size_t offset, size_t want, size_t* got) override;
};

// data[0, size) read through a PieceSource in reads of at most piece bytes:
// every path a file's bytes take, for the tests and the fuzzer. announced,
// when larger than size, is the size a file had before it was cut to size.
class MemoryPieces : public PieceSource
{
public:
    bool Open(const unsigned char* data, size_t size, size_t piece, size_t announced = 0);

private:
    const unsigned char* data_ = nullptr;
    size_t real_ = 0;
    size_t piece_ = 1;
    size_t at_ = 0;

    size_t ReadSome(unsigned char* out, size_t n) override;
    bool SkipTo(size_t offset) override;
};
