#include "sharing/UploadPaging.h"

#include <algorithm>

namespace {

// Steps of a third do not add up to exactly 1.
constexpr double kEpsilon = 1e-9;

} // namespace

UploadPaging::UploadPaging(int fileCount)
    : m_nPageCount(std::max(fileCount - 1, 0)), m_bProportion(m_nPageCount > 0 ? 1.0 / m_nPageCount : 1.0)
{
}

bool UploadPaging::apply(Action action, double dragValue)
{
    int position = m_nScrollPos;
    double value = mValue;
    switch (action) {
    case LineDown: position += 1; value += m_bProportion; break;
    case LineUp: position -= 1; value -= m_bProportion; break;
    case PageDown: position += 2; value += 2 * m_bProportion; break;
    case PageUp: position -= 2; value -= 2 * m_bProportion; break;
    case Drag:
        value = dragValue;
        if (value - m_bScrollValue > m_bProportion + kEpsilon)
            position += 1;
        else if (m_bScrollValue - value > m_bProportion + kEpsilon)
            position -= 1;
        break;
    }
    if (value <= kEpsilon) {
        value = 0;
        position = 0;
    } else if (value >= 1 - kEpsilon) {
        value = 1;
        position = m_nPageCount;
    }
    position = std::clamp(position, 0, m_nPageCount);
    mValue = value;
    if (position == m_nScrollPos)
        return false;
    m_nScrollPos = position;
    m_bScrollValue = value;
    return true;
}
