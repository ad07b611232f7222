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
	int nSamples = 31;          // timed batches per side; the median is reported
	double dBatchMicros = 2000; // a batch runs at least this long, so the timer's grain does not matter
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

struct Result
{
	double dSubjectMicros;
	double dBaselineMicros;
};

// Subject and baseline batches alternate, so that a slow spell of the
// machine (two cores shared with builds) falls on both alike.
Result Measure(Case& c, const Options& opt)
{
	Clock clock;
	for (int i = 0; i < 3; i++)
	{
		c.RunSubject();
		c.RunBaseline();
	}
	int nSubjectRuns = CalibrateBatch(clock, c, &Case::RunSubject, opt.dBatchMicros);
	int nBaselineRuns = CalibrateBatch(clock, c, &Case::RunBaseline, opt.dBatchMicros);

	std::vector<double> subject, baseline;
	for (int s = 0; s < opt.nSamples; s++)
	{
		baseline.push_back(TimeBatch(clock, c, &Case::RunBaseline, nBaselineRuns) / nBaselineRuns);
		subject.push_back(TimeBatch(clock, c, &Case::RunSubject, nSubjectRuns) / nSubjectRuns);
	}
	Result r = { Median(subject), Median(baseline) };
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
		else
		{
			fprintf(stderr, "usage: bench [--filter=TEXT] [--samples=N] [--batch-us=MICROSECONDS]\n");
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

	printf("%-32s %12s   %-28s %12s %8s\n", "case", "median us", "baseline", "median us", "ratio");
	printf("%s\n", std::string(98, '-').c_str());
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
		printf("%-32s %12.2f   %-28s %12.2f %8.2f\n", e.strName.c_str(), r.dSubjectMicros,
			c->BaselineName(), r.dBaselineMicros, r.dSubjectMicros / r.dBaselineMicros);
		fflush(stdout);
		if (c->Note()[0] != '\0')
			notes.push_back(e.strName + ": " + c->Note());
		c->TearDown();
		nRun++;
	}
	for (const std::string& note : notes)
		printf("  %s\n", note.c_str());
	printf("%d case(s); ratio = case / baseline, both timed in this run, %d samples each\n", nRun, opt.nSamples);
	return 0;
}

} // namespace bench

int main(int argc, char** argv)
{
	return bench::RunAll(argc, argv);
}
