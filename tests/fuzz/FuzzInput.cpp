#include "FuzzInput.h"

#include <cstdlib>

FuzzInput::FuzzInput(const uint8_t* data, size_t size)
    : m_text(reinterpret_cast<const char*>(data), size)
{
}

std::string FuzzInput::line()
{
    if (m_pos >= m_text.size())
        return {};
    size_t end = m_text.find_first_of("\r\n", m_pos);
    if (end == std::string::npos)
        end = m_text.size();
    std::string out = m_text.substr(m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_text.size() && m_text[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
    return out;
}

double FuzzInput::number()
{
    const size_t start = m_text.find_first_not_of(" \t\r\n", m_pos);
    if (start == std::string::npos) {
        m_pos = m_text.size();
        return 0;
    }
    size_t end = m_text.find_first_of(" \t\r\n", start);
    if (end == std::string::npos)
        end = m_text.size();
    const std::string token = m_text.substr(start, end - start);
    m_pos = end;
    return std::strtod(token.c_str(), nullptr);
}

bool FuzzInput::more() const
{
    return m_text.find_first_not_of(" \t\r\n", m_pos) != std::string::npos;
}
