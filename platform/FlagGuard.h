#pragma once

// Restores a flag to the value it had on entry when the scope ends, also when
// a handler fails half way (a guard that always cleared would break handlers
// that run nested while the flag is set).
class FlagGuard {
public:
    explicit FlagGuard(bool& flag)
        : m_flag(flag), m_saved(flag)
    {
    }
    FlagGuard(bool& flag, bool value)
        : m_flag(flag), m_saved(flag)
    {
        m_flag = value;
    }
    ~FlagGuard() { m_flag = m_saved; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};
