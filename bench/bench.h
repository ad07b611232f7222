// bench.h: a small benchmark framework: named cases, each timed against a baseline measured in the same run.
#ifndef BENCH_BENCH_H
#define BENCH_BENCH_H

namespace bench
{

// One comparison. SetUp prepares what both runs share; RunSubject is the
// code being measured, RunBaseline the reference it is reported against.
// Each Run* does one unit of work and may be called thousands of times.
class Case
{
public:
	virtual ~Case() {}
	// false skips the case, with Note() saying why; TearDown runs either way.
	virtual bool SetUp() { return true; }
	virtual void TearDown() {}
	virtual void RunSubject() = 0;
	virtual void RunBaseline() = 0;
	virtual const char* BaselineName() const = 0;
	// A remark printed under the table (where the inputs came from, ...).
	virtual const char* Note() const { return ""; }

	// Optional: the floor, the bare sequence of raw calls the subject is
	// prescribed to make (the same calls, no framework around them), timed
	// with the subject and the baseline. A case without one keeps HasFloor false.
	virtual bool HasFloor() const { return false; }
	virtual void RunFloor() {}
	// Optional: GDI objects one live instance of the subject holds for
	// itself; -1 where that means nothing (a painter, a loader).
	virtual int GdiObjectsPerInstance() { return -1; }
};

typedef Case* (*CaseFactory)();

// Adds a case under a name such as "skin/nine-grid 100x30"; cases run in name order.
void Register(const char* pszName, CaseFactory pfnFactory);

struct Registrar
{
	Registrar(const char* pszName, CaseFactory pfnFactory) { Register(pszName, pfnFactory); }
};

// Registers CaseClass (default-constructible) under pszName.
#define BENCH_CASE(CaseClass, pszName) \
	static ::bench::Case* BenchMake_##CaseClass() { return new CaseClass; } \
	static ::bench::Registrar g_benchRegistrar_##CaseClass(pszName, &BenchMake_##CaseClass)

} // namespace bench

#endif // BENCH_BENCH_H
