#pragma once

// Base of the test seams: a seam answers in place of the real service for its
// lifetime; seams nest, the innermost one answers.
template <class Seam>
class SeamStack {
public:
    SeamStack(const SeamStack&) = delete;
    SeamStack& operator=(const SeamStack&) = delete;

    // The seam that answers now, or null when the real service runs.
    static Seam* current() { return s_current; }

protected:
    SeamStack()
        : m_previous(s_current)
    {
        s_current = static_cast<Seam*>(this);
    }
    ~SeamStack() { s_current = m_previous; }

private:
    Seam* m_previous;
    static inline Seam* s_current = nullptr;
};
