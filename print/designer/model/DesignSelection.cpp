#include "designer/model/DesignSelection.h"

void DesignSelection::add(int tag)
{
    if (!m_tags.contains(tag))
        m_tags.append(tag);
}

void DesignSelection::remove(int tag)
{
    m_tags.removeAll(tag);
}

void DesignSelection::press(int tag, bool shift)
{
    if (shift) {
        if (contains(tag))
            remove(tag);
        else
            add(tag);
        return;
    }
    m_tags = {tag};
}
