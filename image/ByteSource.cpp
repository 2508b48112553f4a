#include "ByteSource.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

MemorySource::MemorySource(const unsigned char* data, size_t size)
{
    window_ = data;
    filled_ = size;
    size_ = size;
}

const unsigned char* MemorySource::Refill(size_t offset, size_t, size_t* got)
{
    // Everything there is was in the window: what is wanted past it does not exist.
    const size_t at = std::min(offset, size_);
    *got = size_ - at;
    return window_ + at;
}

PieceSource::~PieceSource()
{
    std::free(buffer_);
}

bool PieceSource::Start(size_t size)
{
    size_ = size;
    // A small file needs no more than its own bytes.
    capacity_ = std::min(size, kBufferBytes);
    buffer_ = static_cast<unsigned char*>(std::malloc(capacity_ ? capacity_ : 1));
    window_ = buffer_;
    return buffer_ != nullptr;
}

const unsigned char* PieceSource::Refill(size_t offset, size_t want, size_t* got)
{
    const size_t end = start_ + filled_;
    // Nothing lies past the data's end, however much is wanted.
    if (offset >= size_) {
        *got = 0;
        return buffer_;
    }
    want = std::min({want, size_ - offset, capacity_});
    size_t keep = 0;
    if (offset < end) {
        // The bytes still wanted move to the front; the next read goes after them.
        keep = end - offset;
        if (offset > start_)
            std::memmove(buffer_, buffer_ + (offset - start_), keep);
    } else if (offset > end && !SkipTo(offset)) {
        // What cannot be reached is as good as missing: the data ends there.
        size_ = offset;
        *got = 0;
        return buffer_;
    }
    start_ = offset;
    filled_ = keep;
    window_ = buffer_;
    while (filled_ < want) {
        const size_t n = ReadSome(buffer_ + filled_, std::min(capacity_, size_ - start_) - filled_);
        // A file cut short after its size was taken ends where the reads end.
        if (n == 0) {
            size_ = start_ + filled_;
            break;
        }
        filled_ += n;
    }
    *got = filled_;
    return buffer_;
}

bool MemoryPieces::Open(const unsigned char* data, size_t size, size_t piece, size_t announced)
{
    data_ = data;
    real_ = size;
    piece_ = piece ? piece : 1;
    return Start(std::max(size, announced));
}

size_t MemoryPieces::ReadSome(unsigned char* out, size_t n)
{
    n = std::min({n, piece_, at_ < real_ ? real_ - at_ : 0});
    if (n)
        std::memcpy(out, data_ + at_, n);
    at_ += n;
    return n;
}

bool MemoryPieces::SkipTo(size_t offset)
{
    at_ = offset;
    return true;
}
