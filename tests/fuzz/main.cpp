// The fuzz driver: runs the inputs in a child process, so that a crash or a
// hang costs one input and is counted, and prints what the run did.
//   fuzz_loaders [--count=N] [--seed=S] [--hang-ms=T]
#include "fuzz.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options
{
    uint32_t count = 100000;
    uint64_t seed = 1;
    DWORD hangMs = 20000;
    std::string child;          // shared-memory name: run as the child
    uint32_t from = 0;
};

bool Parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strncmp(a, "--count=", 8))
            o.count = uint32_t(std::strtoul(a + 8, NULL, 10));
        else if (!std::strncmp(a, "--seed=", 7))
            o.seed = std::strtoull(a + 7, NULL, 10);
        else if (!std::strncmp(a, "--hang-ms=", 10))
            o.hangMs = DWORD(std::strtoul(a + 10, NULL, 10));
        else if (!std::strncmp(a, "--child=", 8))
            o.child = a + 8;
        else if (!std::strncmp(a, "--from=", 7))
            o.from = uint32_t(std::strtoul(a + 7, NULL, 10));
        else
            return false;
    }
    return true;
}

// A crash in the child ends it at once, with no debugger and no dialog.
LONG WINAPI Die(EXCEPTION_POINTERS* info)
{
    ::TerminateProcess(::GetCurrentProcess(), info->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

int RunChild(const Options& o)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(Die);
    HANDLE map = ::OpenFileMappingA(FILE_MAP_WRITE, FALSE, o.child.c_str());
    fuzz::Counts* counts = map ? static_cast<fuzz::Counts*>(::MapViewOfFile(map, FILE_MAP_WRITE, 0, 0, 0)) : NULL;
    if (counts == NULL)
        return 3;
    fuzz::RunRange(fuzz::BuildCorpus(), o.seed, o.from, o.count, *counts);
    return 0;
}

// Writes the input that faulted or hung to fuzz-SEED-INDEX.bin for replaying.
void Keep(const Options& o, uint32_t index)
{
    static const fuzz::Corpus corpus = fuzz::BuildCorpus();
    const fuzz::Input in = fuzz::MakeInput(corpus, o.seed, index);
    const std::string path = "fuzz-" + std::to_string(o.seed) + "-" + std::to_string(index) +
                             (in.isStream ? ".deflate" : ".bmp");
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(in.bytes.data(), 1, in.bytes.size(), f);
        std::fclose(f);
    }
}

struct Totals : fuzz::Counts
{
    LONG faults = 0, hangs = 0;
};

// Starts a child on [from, count) and waits until it ends or stops moving.
// Returns the index it stopped at, or count when it finished.
uint32_t RunChildProcess(const Options& o, const std::string& name, fuzz::Counts* counts, uint32_t from, Totals& t)
{
    std::memset(counts, 0, sizeof(*counts));
    counts->current = LONG(from);
    char exe[MAX_PATH];
    ::GetModuleFileNameA(NULL, exe, MAX_PATH);
    std::string cmd = "\"" + std::string(exe) + "\" --child=" + name + " --seed=" + std::to_string(o.seed) +
                      " --count=" + std::to_string(o.count) + " --from=" + std::to_string(from);
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        std::printf("fuzz: cannot start the child (%lu)\n", ::GetLastError());
        std::exit(2);
    }
    LONG seen = -1;
    DWORD still = ::GetTickCount();
    while (::WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT) {
        if (counts->done != seen) {
            seen = counts->done;
            still = ::GetTickCount();
        } else if (::GetTickCount() - still > o.hangMs) {
            ::TerminateProcess(pi.hProcess, 1);
            ::WaitForSingleObject(pi.hProcess, INFINITE);
            ++t.hangs;
            std::printf("fuzz: input %ld hangs\n", counts->current);
            break;
        }
    }
    DWORD code = 0;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    for (LONG fuzz::Counts::*field : {&fuzz::Counts::images, &fuzz::Counts::streams, &fuzz::Counts::loaded,
                                      &fuzz::Counts::refused, &fuzz::Counts::inflated, &fuzz::Counts::rejected})
        t.*field += counts->*field;
    if (counts->finished) {
        t.gdiLeak += counts->gdiLeak;
        t.heapLeak += counts->heapLeak;
        return o.count;
    }
    if (code != 1 || t.hangs == 0) {
        ++t.faults;
        std::printf("fuzz: input %ld faults (exception 0x%08lX)\n", counts->current, code);
    }
    Keep(o, uint32_t(counts->current));
    return uint32_t(counts->current) + 1;
}

int RunDriver(const Options& o)
{
    const std::string name = "VeluFuzz-" + std::to_string(::GetCurrentProcessId());
    HANDLE map = ::CreateFileMappingA(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0, sizeof(fuzz::Counts), name.c_str());
    fuzz::Counts* counts = static_cast<fuzz::Counts*>(::MapViewOfFile(map, FILE_MAP_WRITE, 0, 0, 0));
    Totals t = {};
    const DWORD start = ::GetTickCount();
    for (uint32_t next = o.from; next < o.count;)
        next = RunChildProcess(o, name, counts, next, t);
    std::printf("fuzz: seed %llu, %u inputs (%ld images, %ld streams) in %.1f s\n",
                (unsigned long long)o.seed, o.count - o.from, t.images, t.streams, (::GetTickCount() - start) / 1000.0);
    std::printf("fuzz: bitmaps loaded %ld, refused %ld; streams inflated %ld, rejected %ld\n",
                t.loaded, t.refused, t.inflated, t.rejected);
    std::printf("fuzz: faults %ld, hangs %ld, leaked GDI objects %ld, leaked heap bytes %lld\n",
                t.faults, t.hangs, t.gdiLeak, (long long)t.heapLeak);
    return t.faults || t.hangs || t.gdiLeak || t.heapLeak ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: fuzz_loaders [--count=N] [--seed=S] [--hang-ms=T]\n");
        return 2;
    }
    return o.child.empty() ? RunDriver(o) : RunChild(o);
}
