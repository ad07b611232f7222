// bench.cpp: the benchmark runner: times every registered case against its baseline and prints a table.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench.h"

namespace bench
{

namespace
{

struct Entry
{
	std::string strName;
	CaseFactory pfnFactory;
};

// A function-local registry, so that cases registering from other files'
// static initialisers never find it unconstructed.
std::vector<Entry>& Registry()
{
	static std::vector<Entry> entries;
	return entries;
}

struct Options
{
	std::string strFilter;      // run only cases whose name contains this
	int nSamples = 41;          // timed batches per side
	double dBatchMicros = 1000; // a batch runs at least this long, so the timer's grain does not matter
	bool bMedian = false;       // report the median batch instead of the fastest
};

class Clock
{
public:
	Clock()
	{
		LARGE_INTEGER freq;
		::QueryPerformanceFrequency(&freq);
		m_dMicrosPerTick = 1e6 / (double)freq.QuadPart;
	}
	LONGLONG Now() const
	{
		LARGE_INTEGER now;
		::QueryPerformanceCounter(&now);
		return now.QuadPart;
	}
	double Micros(LONGLONG nFrom, LONGLONG nTo) const { return (nTo - nFrom) * m_dMicrosPerTick; }

private:
	double m_dMicrosPerTick;
};

typedef void (Case::*RunFn)();

// Microseconds one batch of nRuns takes; GDI work is flushed inside the timing.
double TimeBatch(const Clock& clock, Case& c, RunFn pfnRun, int nRuns)
{
	LONGLONG nStart = clock.Now();
	for (int i = 0; i < nRuns; i++)
		(c.*pfnRun)();
	::GdiFlush();
	return clock.Micros(nStart, clock.Now());
}

// Doubles the batch until it lasts long enough to time reliably.
int CalibrateBatch(const Clock& clock, Case& c, RunFn pfnRun, double dTargetMicros)
{
	int nRuns = 1;
	while (nRuns < (1 << 24) && TimeBatch(clock, c, pfnRun, nRuns) < dTargetMicros)
		nRuns *= 2;
	return nRuns;
}

double Median(std::vector<double> values)
{
	std::sort(values.begin(), values.end());
	size_t n = values.size();
	return (n % 2) ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// On a machine shared with other work every disturbance makes a batch
// slower, never faster: the fastest batch is the least disturbed one.
double Summary(const std::vector<double>& values, bool bMedian)
{
	return bMedian ? Median(values) : *std::min_element(values.begin(), values.end());
}

struct Result
{
	double dSubjectMicros;
	double dBaselineMicros;
	double dFloorMicros;   // 0 without a floor
};

// Subject, baseline and floor batches alternate, so that a slow spell of the
// machine (two cores shared with builds) falls on all of them alike.
Result Measure(Case& c, const Options& opt)
{
	Clock clock;
	std::vector<RunFn> runs = { &Case::RunSubject, &Case::RunBaseline };
	if (c.HasFloor())
		runs.push_back(&Case::RunFloor);
	for (int i = 0; i < 3; i++)
		for (RunFn pfn : runs)
			(c.*pfn)();
	std::vector<int> batch;
	for (RunFn pfn : runs)
		batch.push_back(CalibrateBatch(clock, c, pfn, opt.dBatchMicros));

	std::vector<std::vector<double>> samples(runs.size());
	for (int s = 0; s < opt.nSamples; s++)
		for (size_t k = 0; k < runs.size(); k++)
			samples[k].push_back(TimeBatch(clock, c, runs[k], batch[k]) / batch[k]);
	Result r = { Summary(samples[0], opt.bMedian), Summary(samples[1], opt.bMedian),
		runs.size() > 2 ? Summary(samples[2], opt.bMedian) : 0.0 };
	return r;
}

bool ParseOptions(int argc, char** argv, Options& opt)
{
	for (int i = 1; i < argc; i++)
	{
		const char* arg = argv[i];
		if (strncmp(arg, "--filter=", 9) == 0)
			opt.strFilter = arg + 9;
		else if (strncmp(arg, "--samples=", 10) == 0 && atoi(arg + 10) > 0)
			opt.nSamples = atoi(arg + 10);
		else if (strncmp(arg, "--batch-us=", 11) == 0 && atof(arg + 11) > 0)
			opt.dBatchMicros = atof(arg + 11);
		else if (strcmp(arg, "--median") == 0)
			opt.bMedian = true;
		else
		{
			fprintf(stderr, "usage: bench [--filter=TEXT] [--samples=N] [--batch-us=MICROSECONDS] [--median]\n");
			return false;
		}
	}
	return true;
}

} // namespace

void Register(const char* pszName, CaseFactory pfnFactory)
{
	Entry e = { pszName, pfnFactory };
	Registry().push_back(e);
}

int RunAll(int argc, char** argv)
{
	Options opt;
	if (!ParseOptions(argc, argv, opt))
		return 2;

	std::vector<Entry> entries = Registry();
	std::sort(entries.begin(), entries.end(),
		[](const Entry& a, const Entry& b) { return a.strName < b.strName; });

	printf("%-32s %9s   %-28s %9s %6s %9s %6s %5s\n", "case", "us", "baseline", "us", "ratio",
		"floor us", "/floor", "GDI");
	printf("%s\n", std::string(114, '-').c_str());
	std::vector<std::string> notes;
	int nRun = 0;
	for (const Entry& e : entries)
	{
		if (!opt.strFilter.empty() && e.strName.find(opt.strFilter) == std::string::npos)
			continue;
		std::unique_ptr<Case> c(e.pfnFactory());
		if (!c->SetUp())
		{
			printf("%-32s skipped: %s\n", e.strName.c_str(), c->Note());
			c->TearDown();
			continue;
		}
		Result r = Measure(*c, opt);
		const int nGdi = c->GdiObjectsPerInstance();
		printf("%-32s %9.2f   %-28s %9.2f %6.2f", e.strName.c_str(), r.dSubjectMicros,
			c->BaselineName(), r.dBaselineMicros, r.dSubjectMicros / r.dBaselineMicros);
		if (r.dFloorMicros > 0)
			printf(" %9.2f %6.2f", r.dFloorMicros, r.dSubjectMicros / r.dFloorMicros);
		else
			printf(" %9s %6s", "-", "-");
		if (nGdi >= 0)
			printf(" %5d\n", nGdi);
		else
			printf(" %5s\n", "-");
		fflush(stdout);
		if (c->Note()[0] != '\0')
			notes.push_back(e.strName + ": " + c->Note());
		c->TearDown();
		nRun++;
	}
	for (const std::string& note : notes)
		printf("  %s\n", note.c_str());
	printf("%d case(s), %s of %d batches each; ratio = case / baseline, /floor = case / the bare calls\n"
		"it is prescribed to make; GDI = objects one live instance holds for itself; all timed in this run\n",
		nRun, opt.bMedian ? "median" : "fastest", opt.nSamples);
	return 0;
}

} // namespace bench

int main(int argc, char** argv)
{
	return bench::RunAll(argc, argv);
}
