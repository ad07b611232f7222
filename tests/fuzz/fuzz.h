// Fuzzing the two loaders: the inputs (corpus and mutations), the run over a
// range of them and the counts it keeps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace fuzz {

typedef std::vector<BYTE> Bytes;

// splitmix64: the same seed and input index give the same mutant in every
// process, so a child can run any range and a fault can be replayed.
class Rng
{
public:
    explicit Rng(uint64_t seed) : m_state(seed) {}
    uint64_t Next();
    uint32_t Below(uint32_t n) { return n ? uint32_t(Next() % n) : 0; }
    bool Chance(uint32_t outOf) { return Below(outOf) == 0; }

private:
    uint64_t m_state;
};

// The images and compressed streams mutants start from.
struct Corpus
{
    std::vector<Bytes> images;    // BMP files: carried skins and one of every kind of depth
    std::vector<Bytes> streams;   // raw DEFLATE: the carried resources and multi-block ones
    std::vector<std::vector<size_t>> blockStarts;   // per stream: byte offsets where a block starts
};
Corpus BuildCorpus();

// Input `index` of a run: a mutated image or a mutated stream.
struct Input
{
    bool isStream;
    Bytes bytes;
    int palette;   // bit 0: ask for a palette, bit 1: ask for the size
};
Input MakeInput(const Corpus& corpus, uint64_t seed, uint32_t index);

// Counts shared between the driver and the child that runs the inputs.
struct Counts
{
    volatile LONG current;      // input being fed now
    volatile LONG done;         // inputs finished
    LONG images, streams;
    LONG loaded, refused;       // bitmaps made / refused
    LONG inflated, rejected;    // streams inflated / rejected
    LONG finished;              // the child reached the end of its range
    LONG gdiLeak;               // GDI objects and heap bytes left over by the range
    LONGLONG heapLeak;
};

// Feeds inputs [from, to) through both loaders, painting every bitmap made.
void RunRange(const Corpus& corpus, uint64_t seed, uint32_t from, uint32_t to, Counts& counts);

}  // namespace fuzz
