#include "platform/ProgressWnd.h"

#include <algorithm>

void ProgressWnd::SetRange(int lower, int upper) {
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
    m_pos = m_lower;
}

void ProgressWnd::GetRange(int& lower, int& upper) const {
    lower = m_lower;
    upper = m_upper;
}

void ProgressWnd::SetPos(int pos) {
    m_pos = std::clamp(pos, m_lower, m_upper);
}
