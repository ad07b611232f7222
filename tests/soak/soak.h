// The soak: every control created, painted, rested on by the mouse, left and
// destroyed many times, with GDI objects, windows and heap counted around it.
// Each control kind adds one Subject to the table with SOAK_SUBJECT.
#pragma once

#include "support/harness.h"

#include <memory>
#include <vector>

namespace soak {

class Subject
{
public:
    virtual ~Subject() {}
    // Makes the control as an application does: a child of host in rect.
    virtual bool Create(CWnd& host, const CRect& rect) = 0;
    // The window that is painted and that the mouse rests on.
    virtual CWnd& Wnd() = 0;
    // The cursor has just moved onto the control: relay it, fire a timer, ...
    virtual void Arrived() {}
    // Whether the control shows what a resting mouse brings (a hot look, a
    // tip); controls without one answer true at once.
    virtual bool Hot() { return true; }
    // The cursor has just left the control.
    virtual void Left() {}
    // Whether the control is back at rest after the mouse left.
    virtual bool Rested() { return true; }
    virtual void Destroy() { Wnd().DestroyWindow(); }
};

typedef std::unique_ptr<Subject> (*Factory)();
struct Entry
{
    const char* name;
    Factory make;
};
std::vector<Entry>& Registry();

struct Registrar
{
    Registrar(const char* name, Factory make) { Registry().push_back({name, make}); }
};

#define SOAK_SUBJECT(Class, name)                                                         \
    static std::unique_ptr<::soak::Subject> SoakMake_##Class() { return std::unique_ptr<::soak::Subject>(new Class); } \
    static ::soak::Registrar g_soakRegistrar_##Class(name, &SoakMake_##Class)

}  // namespace soak
