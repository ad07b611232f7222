// The soak: every control created, painted, rested on by the mouse, left and
// destroyed many times, with GDI objects, windows and heap counted around it.
#pragma once

#include "support/harness.h"

#include <functional>
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

// The steps of a subject made of one control, as functions of the control;
// a step left out does nothing or holds at once.
template <class Ctrl>
struct Steps
{
    bool (*create)(Ctrl&, CWnd& host, const CRect& rect);
    void (*arrived)(Ctrl&);
    bool (*hot)(Ctrl&);
    void (*left)(Ctrl&);
    bool (*rested)(Ctrl&);
};

template <class Ctrl>
class One : public Subject
{
public:
    explicit One(const Steps<Ctrl>& steps) : m_steps(steps) {}
    bool Create(CWnd& host, const CRect& rect) override { return m_steps.create(m_ctrl, host, rect); }
    CWnd& Wnd() override { return m_ctrl; }
    void Arrived() override { m_steps.arrived ? m_steps.arrived(m_ctrl) : void(); }
    bool Hot() override { return !m_steps.hot || m_steps.hot(m_ctrl); }
    void Left() override { m_steps.left ? m_steps.left(m_ctrl) : void(); }
    bool Rested() override { return !m_steps.rested || m_steps.rested(m_ctrl); }

private:
    Ctrl m_ctrl;
    Steps<Ctrl> m_steps;
};

struct Entry
{
    const char* name;
    std::function<std::unique_ptr<Subject>()> make;
};

template <class Ctrl>
Entry OneControl(const char* name, const Steps<Ctrl>& steps)
{
    return {name, [steps] { return std::unique_ptr<Subject>(new One<Ctrl>(steps)); }};
}

template <class S>
Entry Several(const char* name)
{
    return {name, [] { return std::unique_ptr<Subject>(new S); }};
}

// Every control the library has, one entry each.
std::vector<Entry> Subjects();

}  // namespace soak
